#include "platform/WheelHook.h"

#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

// Key-state bits of a wheel message.
std::int32_t KeyState(const QWheelEvent& e) {
  std::int32_t state = 0;
  if (e.buttons() & Qt::LeftButton) state |= 0x01;
  if (e.buttons() & Qt::RightButton) state |= 0x02;
  if (e.modifiers() & Qt::ShiftModifier) state |= 0x04;
  if (e.modifiers() & Qt::ControlModifier) state |= 0x08;
  if (e.buttons() & Qt::MiddleButton) state |= 0x10;
  return state;
}

}  // namespace

WheelHook::WheelHook(QWidget* window, std::vector<QWidget*> takenIn, Handler handler)
    : QObject(window), window_(window), takenIn_(std::move(takenIn)), handler_(std::move(handler)) {
  window_->installEventFilter(this);
  for (QWidget* w : takenIn_) w->installEventFilter(this);
}

WheelHook::~WheelHook() {
  window_->removeEventFilter(this);
  for (QWidget* w : takenIn_) w->removeEventFilter(this);
}

bool WheelHook::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  const auto* wheel = static_cast<QWheelEvent*>(event);
  // A sideways turn has no vertical rotation; it is no turn of the wheel this hook reports.
  if (wheel->angleDelta().y() == 0) return false;
  const QPoint global = wheel->globalPosition().toPoint();
  handler_(KeyState(*wheel), wheel->angleDelta().y(), global.x(), global.y());
  return std::find(takenIn_.begin(), takenIn_.end(), watched) != takenIn_.end();
}

}  // namespace platform
