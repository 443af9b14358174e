#pragma once
#include <QApplication>
#include <QFont>

#include "shell/ModuleMain.h"

namespace shell {

// A shared font as the windows put it on controls: the language's face (the platform's own face
// where the language names none), size and weight.
inline QFont QFontOf(const FontDescription& description) {
  QFont font = QApplication::font();
  if (!description.face.empty()) font.setFamily(QString::fromStdString(description.face));
  font.setPointSize(description.size);
  font.setBold(description.bold);
  return font;
}

}  // namespace shell
