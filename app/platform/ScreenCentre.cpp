#include "platform/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void CentreOnScreen(QWidget& window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move(screen.x() + (screen.width() - window.width()) / 2,
              screen.y() + (screen.height() - window.height()) / 2);
}

}  // namespace platform
