#include "axisdata/TransferLoop.h"

#include <chrono>
#include <future>

#include "platform/KlvnImports.h"
#include "platform/UiServices.h"

namespace axisdata {

namespace {
// How often a loop beside a blocking call lets window events run: often enough for the pointer
// and repaints to follow without delay.
constexpr std::chrono::milliseconds kEventSlice{10};

int g_running = 0;
// The last loop stopped in the middle of a transfer: the gateway still waits for an answer.
bool g_givenUp = false;
}  // namespace

void BeginTransferSeries() {
  TransferCancel = false;
  if (!g_givenUp) return;
  g_givenUp = false;
  std::int32_t pollData = 0;
  klvn::exec_poll_answer(&pollData, klvn::kNoTransferAnswer);  // a poll is told "not now"
  klvn::clear_klvn();
}

bool LoopRunning() { return g_running > 0; }

LoopScope::LoopScope() { ++g_running; }

LoopScope::~LoopScope() { --g_running; }

std::int32_t RunTransferLoop(const std::function<std::int32_t()>& step,
                             const TransferProgress& progress) {
  const LoopScope running;
  std::int32_t result = KLVNDRV_GO_ON;
  bool started = false;
  while (result == KLVNDRV_GO_ON && !TransferCancel) {
    result = step();
    const std::int32_t count = klvn::get_load_count();
    if (progress.showCount) progress.showCount(count);
    if (count != 0 && !started) {
      started = true;
      if (progress.showMoving) progress.showMoving();
    }
    platform::Ui().ProcessEvents();
  }
  // An abort was answered, so only a cancel or a failure leaves the gateway waiting.
  g_givenUp = result == KLVNDRV_GO_ON || result == KLVNDRV_FAILED;
  return result;
}

bool RunWaitLoop(const std::function<bool()>& attempt) {
  const LoopScope running;
  while (!TransferCancel) {
    if (attempt()) return true;
    platform::Ui().ProcessEvents();
  }
  return false;
}

void RunBeside(const std::function<void()>& work) {
  const LoopScope running;
  platform::UiServices& ui = platform::Ui();
  ui.ShowBusy(true);
  std::future<void> done = std::async(std::launch::async, work);
  do {
    ui.ProcessEvents();
  } while (done.wait_for(kEventSlice) != std::future_status::ready);
  ui.ShowBusy(false);
  done.get();
}

}  // namespace axisdata
