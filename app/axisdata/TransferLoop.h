#pragma once
#include <cstdint>
#include <functional>

namespace axisdata {

// Raised by the progress window's cancel button; every transfer clears it before it starts (or
// before the first transfer of a series) and stops at the next step once it is set.
inline bool TransferCancel = false;

// What a transfer shows while it runs.
struct TransferProgress {
  std::function<void(std::int32_t count)> showCount;  // after every step: words moved so far
  std::function<void()> showMoving;                   // once, when the first word has moved
};

// Calls step (one exchange with the gateway) while it returns -1 and TransferCancel is not set;
// after each step shows the load count and lets pending window events run, so the cancel
// button can act. Returns the last step's result (-1 when the loop ended by the cancel).
std::int32_t RunTransferLoop(const std::function<std::int32_t()>& step,
                             const TransferProgress& progress);

}  // namespace axisdata
