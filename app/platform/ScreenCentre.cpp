#include "platform/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

void CentreOnScreen(QWidget& window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move(screen.x() + (screen.width() - window.width()) / 2,
              screen.y() + (screen.height() - window.height()) / 2);
}

QRect FitIntoArea(const QRect& wanted, const QRect& area) {
  const int areaWidth = std::max(area.width(), 1);
  const int areaHeight = std::max(area.height(), 1);
  const int width = std::clamp(wanted.width(), 1, areaWidth);
  const int height = std::clamp(wanted.height(), 1, areaHeight);
  // In 64 bits: a far-off place plus a size may pass the int range.
  const auto place = [](int at, int size, int start, int span) {
    return static_cast<int>(std::clamp<qint64>(at, start, qint64{start} + span - size));
  };
  return QRect(place(wanted.x(), width, area.x(), areaWidth),
               place(wanted.y(), height, area.y(), areaHeight), width, height);
}

QRect PlaceBeside(const QRect& anchor, const QSize& size, const QRect& area) {
  const QRect right(QPoint(anchor.x() + anchor.width(), anchor.y()), size);
  if (area.contains(right)) return right;
  const QRect left(QPoint(anchor.x() - size.width(), anchor.y()), size);
  if (area.contains(left)) return left;
  return FitIntoArea(right, area);
}

void KeepOnScreen(QWidget& window) {
  QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect fitted = FitIntoArea(QRect(window.pos(), window.size()), screen->availableGeometry());
  window.resize(fitted.size());
  window.move(fitted.topLeft());
}

}  // namespace platform
