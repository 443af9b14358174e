#include "editors/NumberBox.h"

#include <QLineEdit>

#include "platform/DecimalPointBox.h"

namespace editors {

namespace {
constexpr int kBoxWidth = 110;
}

QLineEdit* NumberBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setFixedWidth(kBoxWidth);
  box->setAlignment(Qt::AlignRight);
  platform::TakeDecimalPoint(*box);
  return box;
}

}  // namespace editors
