#pragma once
#include <QApplication>
#include <QFont>

#include "shell/ModuleMain.h"

// The shared fonts as the windows put them on controls. An empty face is the platform's default
// face; the character set has no meaning to Qt.
namespace shell {

inline QFont Q(const FontDescription& description) {
  QFont font = QApplication::font();
  if (!description.face.empty()) font.setFamily(QString::fromStdString(description.face));
  font.setPointSize(description.size);
  font.setBold(description.bold);
  return font;
}

}  // namespace shell
