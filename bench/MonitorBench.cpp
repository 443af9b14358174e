// Monitor benchmark: the run-status monitor's window (offscreen) with the real link library
// over a pty, against the gateway simulator in a process of its own that plays a live gateway
// and answers every frame at once. Prints the monitor's cycles per second next to the floor its
// exchanges set (every read is two exchanges, a poll and the word, each held by the link
// thread's 3 ms turn), and the CPU the program uses while the monitor runs, also while the
// gateway is silent.
//
//   monitor_bench [--shot picture.png]   also saves a picture of the window after 13 s
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "axisdata/Selection.h"
#include "GatewayMaster.h"
#include "LiveGateway.h"
#include "axisdata/Tables.h"
#include "editors/FormMonitor.h"
#include "editors/LinkWordReader.h"
#include "editors/MonitorWords.h"
#include "platform/KlvnImports.h"
#include "resources/UiText.h"
#include "shell/LinkOpening.h"
#include "shell/ModuleMain.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kTurnMs = 3.0;          // the link thread's pause after handing a frame over
constexpr int kExchangesPerRead = 2;     // the poll, then the word
constexpr auto kWarmUp = std::chrono::seconds(1);
constexpr auto kMeasure = std::chrono::seconds(5);
constexpr auto kShotAt = std::chrono::seconds(13);  // the live gateway's first alarm is on

struct ReadCounts {
  std::map<std::uint16_t, long> arrived;  // by address
  long missed = 0;
};

// The library's bounded read, counting the words that arrived and those that did not.
class CountingReader : public editors::WordReader {
 public:
  explicit CountingReader(ReadCounts& counts) : counts_(counts) {}
  std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) override {
    const auto word = link_.Read(axis, address);
    if (word) ++counts_.arrived[address];
    else ++counts_.missed;
    return word;
  }

 private:
  editors::LinkWordReader link_;
  ReadCounts& counts_;
};

// The gateway in a child process; its device path comes back through a pipe.
pid_t StartGateway(std::string& device) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    vuz::sim::GatewaySimulator link;
    const std::string path = link.device_path() + "\n";
    if (write(fds[1], path.data(), path.size()) != static_cast<ssize_t>(path.size())) _exit(1);
    close(fds[1]);
    vuz::sim::GatewayMaster gateway(link);
    vuz::sim::LiveGatewayPlayer live(gateway.words);
    gateway.serve({.transfers = 0});
    _exit(0);
  }
  close(fds[1]);
  char buf[256] = {};
  const ssize_t n = read(fds[0], buf, sizeof buf - 1);
  close(fds[0]);
  if (n <= 1) return -1;
  device.assign(buf, static_cast<std::size_t>(n - 1));
  return pid;
}

Ms ProcessCpuTime() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

void RunEvents(Clock::duration span) {
  QEventLoop loop;
  QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(span), &loop,
                     &QEventLoop::quit);
  loop.exec();
}

struct Span {
  Ms wall, cpu;
};

Span Measure(Clock::duration span) {
  const Ms cpu = ProcessCpuTime();
  const auto start = Clock::now();
  RunEvents(span);
  return {Clock::now() - start, ProcessCpuTime() - cpu};
}

}  // namespace

int main(int argc, char** argv) {
  std::string shot;
  if (argc == 3 && std::string(argv[1]) == "--shot") shot = argv[2];
  else if (argc != 1) {
    std::fprintf(stderr, "usage: %s [--shot picture.png]\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);

  std::string device;
  const pid_t gateway = StartGateway(device);  // before any thread of this process starts
  if (gateway < 0) {
    std::fprintf(stderr, "the gateway simulator did not start\n");
    return 1;
  }
  QApplication app(argc, argv);
  resources::LoadUiText(4000);
  axisdata::InitActuatorTables();
  axisdata::AxisCount = 4;
  if (shell::OpenLink(device) != shell::LinkOpening::Ready) {
    std::fprintf(stderr, "the link did not open on %s; another process using the library makes "
                 "it inert here: set KLVNDRV_LOCK_FILE to a file of its own\n", device.c_str());
    kill(gateway, SIGKILL);
    return 1;
  }

  ReadCounts counts;
  const auto started = Clock::now();
  FormMonitor monitor(std::make_unique<CountingReader>(counts));
  monitor.Form_Load();
  monitor.show();
  RunEvents(kWarmUp);
  counts = {};
  const Span online = Measure(kMeasure);

  long cycles = 0, reads = 0;
  for (const auto& [address, count] : counts.arrived) {
    reads += count;
    if (address >= editors::kAlarmHistoryWord &&
        address < editors::kAlarmHistoryWord + editors::kHistoryEntries) {
      cycles += count;
    }
  }
  if (cycles == 0) {
    std::fprintf(stderr, "the monitor completed no cycle\n");
    kill(gateway, SIGKILL);
    return 1;
  }
  const double msPerCycle = online.wall.count() / static_cast<double>(cycles);
  const double readsPerCycle = static_cast<double>(reads) / static_cast<double>(cycles);
  const double floorMs = readsPerCycle * kExchangesPerRead * kTurnMs;
  std::printf("monitor over a pty, gateway answering at once (%.0f s)\n",
              online.wall.count() / 1000);
  std::printf("  cycles                   %8ld   (%.2f per second)\n", cycles,
              1000 / msPerCycle);
  std::printf("  words read per cycle     %8.2f   (%d exchanges each; %ld did not arrive)\n",
              readsPerCycle, kExchangesPerRead, counts.missed);
  std::printf("  time per cycle           %8.1f ms\n", msPerCycle);
  std::printf("  floor of its exchanges   %8.1f ms   (%.2f per second; %.0f ms a turn)\n", floorMs,
              1000 / floorMs, kTurnMs);
  std::printf("  above the floor          %8.1f %%\n", 100 * (msPerCycle / floorMs - 1));
  std::printf("  program CPU              %8.2f %% of one core\n",
              100 * online.cpu.count() / online.wall.count());

  if (!shot.empty()) {
    RunEvents(kShotAt - (Clock::now() - started));
    const bool saved = monitor.grab().save(QString::fromStdString(shot));
    std::printf("  picture                  %s%s\n", shot.c_str(), saved ? "" : " (not saved)");
  }

  kill(gateway, SIGSTOP);  // the gateway falls silent
  const Span silent = Measure(std::chrono::seconds(3));
  std::printf("gateway silent: program CPU %.2f %% of one core\n",
              100 * silent.cpu.count() / silent.wall.count());

  monitor.Form_Unload();
  klvn::close_klvn();
  kill(gateway, SIGKILL);
  waitpid(gateway, nullptr, 0);
  return 0;
}
