#pragma once
#include <cstdint>
#include <functional>

// The one owner of the loops that let window events run between exchanges with the gateway.
// While such a loop runs, windows refuse to close and commands refuse to start, so nothing a
// loop holds can be freed or re-entered under it.
namespace axisdata {

// Raised by the progress window's cancel button; every transfer clears it before it starts (or
// before the first transfer of a series) and stops at the next step once it is set.
inline bool TransferCancel = false;

// Starts a transfer, or a series of them: clears TransferCancel and, after a transfer that was
// given up (cancelled or failed), takes and drops the frame the gateway sent for it next, which
// may still be on its way: it belongs to no transfer of this series and would fail the first.
void BeginTransferSeries();

// True while any loop (or a command that runs several of them) is under way.
bool LoopRunning();

// Marks a loop, or a command made of several loops, as running for its lifetime. Nests.
class LoopScope {
 public:
  LoopScope();
  ~LoopScope();
  LoopScope(const LoopScope&) = delete;
  LoopScope& operator=(const LoopScope&) = delete;
};

// What a transfer shows while it runs.
struct TransferProgress {
  std::function<void(std::int32_t count)> showCount;  // after every step: words moved so far
  std::function<void()> showMoving;                   // once, when the first word has moved
};

// Calls step (one exchange with the gateway) while it returns KLVNDRV_GO_ON and TransferCancel is
// not set; after each step shows the load count and lets pending window events run, so the
// cancel button can act. Returns the last step's result (KLVNDRV_GO_ON when the cancel ended it).
std::int32_t RunTransferLoop(const std::function<std::int32_t()>& step,
                             const TransferProgress& progress);

// Calls attempt until it returns true, letting pending window events run after every try, or
// until TransferCancel is set. True when attempt succeeded.
bool RunWaitLoop(const std::function<bool()>& attempt);

// Runs work, a call that may block for seconds (opening the port), on a thread of its own and
// lets pending window events run here until it has returned, showing the program busy. A loop
// like the others, so no command calls the link library meanwhile; work touches no window.
void RunBeside(const std::function<void()>& work);

}  // namespace axisdata
