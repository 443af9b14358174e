// The gateway simulator as a command-line program, so a person can try the program without a
// gateway: it opens a pseudo-terminal, prints the device to give as COM1, polls the PC with the
// chosen state nibble, and performs every transfer the PC asks for: whole-image transfers on a
// 305-word image that it loads from a ZEL file and, after each download, saves to one; per-axis
// and extended-point transfers on a KAV data set (the default set beside the program unless one
// is named) whose downloads it saves into another set. With --live it also plays a gateway at
// work for the run-status monitor (see LiveGateway.h).
//
//   vuz-gateway-sim [--state N] [--image in.zel] [--save out.zel] [--live]
//                   [--kav base] [--save-kav base]      (base: the set's path without extension)
//
// Ends on Ctrl+C (SIGINT) or SIGTERM.
#include <signal.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>

#include "GatewayMaster.h"
#include "LiveGateway.h"
#include "SimKavData.h"
#include "platform/ProgramFolder.h"
#include "shell/SyncImage.h"

namespace {

struct Options {
  std::uint32_t state = 0;
  std::string image;
  std::string save;
  std::string kav;
  std::string saveKav;
  bool live = false;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--live") {
      options.live = true;
      continue;
    }
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[++i];
    if (arg == "--state") {
      char* end = nullptr;
      const unsigned long n = std::strtoul(value.c_str(), &end, 0);
      if (*end != '\0' || n > 15) return std::nullopt;
      options.state = static_cast<std::uint32_t>(n);
    } else if (arg == "--image") {
      options.image = value;
    } else if (arg == "--save") {
      options.save = value;
    } else if (arg == "--kav") {
      options.kav = value;
    } else if (arg == "--save-kav") {
      options.saveKav = value;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

const char* Direction(const vuz::sim::TransferRequest& r) {
  return r.download ? "download (PC to gateway)" : "upload (gateway to PC)";
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: %s [--state 0-15] [--image in.zel] [--save out.zel] [--live]"
                 " [--kav base] [--save-kav base]\n",
                 argv[0]);
    return 2;
  }

  // Signals are taken by sigwait below, not by whichever thread they happen to hit.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  vuz::sim::GatewaySimulator link;
  vuz::sim::GatewayMaster gateway(link);
  if (!options->image.empty()) {
    std::array<std::int32_t, shell::kZelWords> words{};
    if (const auto error = shell::ReadZelFile(options->image, words)) {
      std::fprintf(stderr, "%s\n", error->c_str());
      return 1;
    }
    for (int i = 0; i < shell::kZelWords; ++i) {
      gateway.data.word_image[i] = static_cast<std::uint32_t>(words[i]);
    }
  }

  simtool::LoadKavDataSet(
      options->kav.empty() ? platform::ProgramFolder() + "/data/default" : options->kav,
      gateway.data);

  std::printf("Gateway simulator on %s\n", link.device_path().c_str());
  std::printf("Start the program with:  KLVNDRV_COM1=%s ./build/bin/vuzovid\n",
              link.device_path().c_str());
  std::printf("and choose COM1. Polling with state nibble %u. Ctrl+C ends.\n", options->state);
  if (options->live) {
    std::printf("Playing a gateway at work: choose \"Run Status Monitor\" and watch axis 0.\n");
  }
  std::fflush(stdout);

  std::optional<vuz::sim::LiveGatewayPlayer> live;
  if (options->live) live.emplace(gateway.words);

  std::mutex out;
  vuz::sim::GatewayThread side(
      gateway,
      {.poll_data = options->state << 28,
       .transfers = 0,
       .on_transfer = [&](const vuz::sim::TransferOutcome& outcome) {
         // The monitor reads words all the time; only a read that went wrong is news.
         if (outcome.request.kind == vuz::sim::TransferKind::SingleWord &&
             outcome.end == vuz::sim::TransferEnd::Completed) {
           return;
         }
         const std::lock_guard<std::mutex> lock(out);
         std::printf("%s: %s, %zu words answered%s%s\n", Direction(outcome.request),
                     vuz::sim::name(outcome.end), outcome.answered,
                     outcome.error.empty() ? "" : ": ", outcome.error.c_str());
         const bool savable = outcome.request.kind == vuz::sim::TransferKind::WordImage &&
                              outcome.request.download &&
                              outcome.end == vuz::sim::TransferEnd::Completed;
         if (savable && !options->save.empty()) {
           for (int i = 0; i < shell::kZelWords; ++i) {
             shell::PrgData[i] = static_cast<std::int32_t>(gateway.data.word_image[i]);
           }
           const auto error = shell::WriteZelFile(options->save, true);
           std::printf("%s\n", error ? error->c_str() : ("saved to " + options->save).c_str());
         }
         if (outcome.end == vuz::sim::TransferEnd::Completed && !options->saveKav.empty()) {
           if (const auto saved =
                   simtool::SaveKavDownload(outcome.request, gateway.data, options->saveKav)) {
             std::printf("%s\n", saved->error ? saved->error->c_str()
                                                : ("saved to " + saved->file).c_str());
           }
         }
         std::fflush(stdout);
       }});

  int signal = 0;
  sigwait(&stopSignals, &signal);
  side.stop();
  side.wait();
  return 0;
}
