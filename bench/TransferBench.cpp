// Transfer benchmark: the link library against the gateway simulator over a pty, the gateway
// sending each frame as soon as the PC has answered the last; then the program's own per-axis
// and extended-point routines (progress, cancel checks and event processing between steps). Prints per transfer the words
// moved, the total time, the median and 95th-percentile time per word (gateway's frame sent to
// the PC's answer checked), and the modelled time per word on a real 115200-baud line. Then
// the CPU time the process uses while the link is idle.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "GatewayMaster.h"
#include "axisdata/AxisData.h"
#include "axisdata/AxisTransfers.h"
#include "klvndrv.h"
#include "platform/ConsoleUi.h"
#include "resources/StringTable.h"
#include "resources/UiText.h"

namespace {

using namespace vuz::sim;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// A command frame and its response, 16 bytes each, 10 bits a byte on the line.
constexpr double kLineMsPerWord = 32 * 10 * 1000.0 / 115200;
// The link thread's pause after handing a frame to the caller.
constexpr double kTurnMs = 3.0;
// More steps than any transfer here needs; a stuck transfer ends instead of hanging the run.
constexpr int kMaxSteps = 5000;

// Calls `step` while it gives -1; true when it ended with 1.
bool steps(const std::function<int32_t()>& step) {
  int32_t result = -1;
  for (int n = 0; n < kMaxSteps && result == -1; ++n) result = step();
  return result == 1;
}

Ms nth(std::vector<Ms> sorted, double fraction) {
  const auto at = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
  return sorted[at];
}

// Runs `pc_side` while the gateway serves `transfers` transfers, and prints one line.
bool measure(const char* name, GatewayMaster& gateway, std::size_t transfers,
             const std::function<bool()>& pc_side) {
  GatewayThread side(gateway, {.transfers = transfers});
  const auto start = Clock::now();
  const bool done = pc_side();
  const Ms total = Clock::now() - start;
  const auto outcomes = side.wait();

  std::vector<Ms> per_word;
  for (const auto& outcome : outcomes) {
    if (outcome.end != TransferEnd::Completed) {
      std::printf("%-34s gateway: %s %s\n", name, vuz::sim::name(outcome.end), outcome.error.c_str());
      return false;
    }
    for (const auto t : outcome.word_times) per_word.push_back(t);
  }
  if (!done || outcomes.size() != transfers || per_word.empty()) {
    std::printf("%-34s failed on the PC's side\n", name);
    return false;
  }
  std::sort(per_word.begin(), per_word.end());
  const double model = kLineMsPerWord + kTurnMs;
  std::printf("%-34s %6zu %10.1f %10.3f %10.3f %10.3f %12.3f %10.1f\n", name, per_word.size(),
              total.count(), nth(per_word, 0.5).count(), nth(per_word, 0.95).count(),
              nth(per_word, 0.5).count() - kTurnMs, model,
              model * static_cast<double>(per_word.size()));
  return true;
}

Ms process_cpu_time() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

void print_cpu(const char* what, const std::function<void()>& work) {
  const Ms cpu_before = process_cpu_time();
  const auto start = Clock::now();
  work();
  const Ms wall = Clock::now() - start;
  const Ms cpu = process_cpu_time() - cpu_before;
  std::printf("%-44s %8.1f ms CPU in %6.0f ms (%.2f %%)\n", what, cpu.count(), wall.count(),
              100 * cpu.count() / wall.count());
}

}  // namespace

int main() {
  GatewaySimulator link;
  GatewayMaster gateway(link);
  if (init_klvn_slave(link.device_path().c_str()) != 1) {
    std::fprintf(stderr,
                 "the link did not open on %s (state %d, port error %d); another process using "
                 "the library makes it inert here: set KLVNDRV_LOCK_FILE to a file of its own\n",
                 link.device_path().c_str(), get_klvn_state(), get_sio_error());
    return 1;
  }

  std::vector<int32_t> image(305, 0x11111111);
  std::vector<int32_t> ext_values(1680);
  std::vector<int32_t> axis(32 * 17);
  int32_t expansion = 0;
  gateway.data.ext_points.assign(1260, 0x12345678);

  std::printf("%-34s %6s %10s %10s %10s %10s %12s %10s\n", "transfer (pty)", "words", "total ms",
              "median ms", "p95 ms", "median-3ms", "115200 ms/w", "115200 ms");
  bool ok = measure("word image download, 305 words", gateway, 1, [&] {
    reset_load_count(305);
    return steps([&] { return exec_download(image.data()); });
  });
  ok &= measure("word image upload, 305 words", gateway, 1, [&] {
    reset_load_count(305);
    return steps([&] { return exec_upload(image.data()); });
  });
  ok &= measure("extended-point upload, 1260 words", gateway, 1, [&] {
    reset_load_count(1260);
    return steps([&] { return exec_expt_upload(ext_values.data()); });
  });
  ok &= measure("whole axis upload, 545 words", gateway, 18, [&] {
    constexpr int32_t kAxis = 2;
    reset_load_count(32);
    bool done = steps([&] { return exec_axcom_upload(kAxis, axis.data()); });
    for (int32_t bank = 0; bank < 16 && done; ++bank) {
      reset_load_count(32);
      done = steps([&] { return exec_axpoint_upload(kAxis, bank, axis.data() + 32 * (bank + 1)); });
    }
    return done && steps([&] { return exec_axexpr_upload(kAxis, &expansion); });
  });
  platform::ConsoleUi noWindows;
  platform::SetUi(&noWindows);
  resources::LoadUiText(resources::kEnglishBase);
  ok &= measure("program: axis download, 545 words", gateway, 18, [] {
    return axisdata::DownloadKavAxis(2) == axisdata::TransferResult::Completed;
  });
  ok &= measure("program: ext-point download, 1260", gateway, 1, [] {
    return axisdata::DownloadExtPoints() == axisdata::TransferResult::Completed;
  });
  std::printf("(per word: the gateway's frame sent to the PC's answer checked; 115200: %.3f ms "
              "on the line + %.0f ms turn)\n\n",
              kLineMsPerWord, kTurnMs);

  constexpr auto kIdle = std::chrono::seconds(2);
  print_cpu("link open, no caller", [&] { std::this_thread::sleep_for(kIdle); });
  print_cpu("caller stepping on a silent link", [&] {
    reset_load_count(305);
    for (const auto end = Clock::now() + kIdle; Clock::now() < end;) exec_upload(image.data());
  });
  close_klvn();
  return ok ? 0 : 1;
}
