#include "shell/QtFonts.h"

#include <QApplication>

namespace shell {

QFont QtFont(const FontDescription& description) {
  QFont font = QApplication::font();
  if (!description.face.empty()) font.setFamily(QString::fromStdString(description.face));
  font.setPointSize(description.size);
  font.setBold(description.bold);
  return font;
}

QFont UiNamedFont() {
  QFont font = QApplication::font();
  if (!UiFontName.empty()) font.setFamily(QString::fromStdString(UiFontName));
  return font;
}

}  // namespace shell
