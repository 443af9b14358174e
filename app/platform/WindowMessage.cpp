#include "platform/WindowMessage.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include "platform/VirtualKey.h"
#include "platform/WheelHook.h"

namespace platform {

namespace {

std::int32_t HighLow(std::int32_t high, std::int32_t low) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(high) << 16 |
                                   (static_cast<std::uint32_t>(low) & 0xFFFFu));
}

}  // namespace

WindowMessageArgs MessageOf(const QEvent& event) {
  const auto message = static_cast<std::int32_t>(event.type());
  switch (event.type()) {
    case QEvent::Wheel: {
      const WheelArgs wheel = WheelArgsOf(static_cast<const QWheelEvent&>(event));
      return {message, HighLow(wheel.rotation, wheel.keyState), HighLow(wheel.y, wheel.x)};
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(event);
      return {message, VirtualKeyCode(key), ShiftState(key)};
    }
    default:
      return {message, 0, 0};
  }
}

}  // namespace platform
