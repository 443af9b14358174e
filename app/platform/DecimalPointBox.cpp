#include "platform/DecimalPointBox.h"

#include <QLineEdit>
#include <QValidator>

#include "platform/DecimalSign.h"

namespace platform {

namespace {

// The box runs every change through its validator (keys, paste, drop, input methods) and takes
// the text the validator hands back. Acceptable always: the box keeps emitting returnPressed.
class DecimalPointValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    for (QChar& c : input) {
      const char32_t sign = PointAsDecimalSign(c.unicode());
      if (sign != c.unicode()) c = QChar(static_cast<char16_t>(sign));
    }
    return Acceptable;
  }
};

}  // namespace

void TakeDecimalPoint(QLineEdit& box) { box.setValidator(new DecimalPointValidator(&box)); }

}  // namespace platform
