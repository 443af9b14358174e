#pragma once
#include <cstdint>

class QEvent;

namespace platform {

// A window event as the arguments of a window message. The message is the event's type
// (QEvent::Type). A wheel event carries the wheel message's arguments: wParam the rotation in its
// high 16 bits and the key state in its low 16, lParam the screen y high and x low. A key press
// or release carries its virtual key code in wParam and its shift state in lParam. Other events
// carry 0 and 0.
struct WindowMessageArgs {
  std::int32_t message;
  std::int32_t wParam;
  std::int32_t lParam;
};

WindowMessageArgs MessageOf(const QEvent& event);

}  // namespace platform
