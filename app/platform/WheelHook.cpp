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

WheelArgs WheelArgsOf(const QWheelEvent& event) {
  const QPoint global = event.globalPosition().toPoint();
  return {KeyState(event), event.angleDelta().y(), global.x(), global.y()};
}

WheelHook::WheelHook(QWidget* window, std::vector<QWidget*> takenIn, Handler handler)
    : WindowHook(window, takenIn,
                 [takenIn, handler = std::move(handler)](QObject* watched, QEvent* event) {
                   if (event->type() != QEvent::Wheel) return false;
                   // A sideways turn has no vertical rotation: it is no turn of this wheel.
                   if (static_cast<QWheelEvent*>(event)->angleDelta().y() == 0) return false;
                   const WheelArgs args = WheelArgsOf(*static_cast<QWheelEvent*>(event));
                   handler(args.keyState, args.rotation, args.x, args.y);
                   return std::find(takenIn.begin(), takenIn.end(), watched) != takenIn.end();
                 }) {}

}  // namespace platform
