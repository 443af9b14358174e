#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WindowHook.h"

class QWheelEvent;

namespace platform {

// The arguments of a wheel message: key state, rotation in 1/120 notches with positive away
// from the user, screen x and y.
struct WheelArgs {
  std::int32_t keyState;
  std::int32_t rotation;
  std::int32_t x;
  std::int32_t y;
};
WheelArgs WheelArgsOf(const QWheelEvent& event);

// Turns wheel events of a window into wheel-message arguments and hands them to a handler.
// The events over the given scroll areas are taken, so they do not also scroll natively.
class WheelHook : public WindowHook {
 public:
  using Handler = std::function<void(std::int32_t keyState, std::int32_t rotation,
                                     std::int32_t x, std::int32_t y)>;

  WheelHook(QWidget* window, std::vector<QWidget*> takenIn, Handler handler);
};

}  // namespace platform
