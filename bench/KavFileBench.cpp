// Data-set file benchmark: opens the default KAV data set of 16 axes (16 EEP files and the XEP
// file) beside the program and writes it back to a folder of its own, as the point-table
// editor's Open and Save do. Prints the median and the slowest of several rounds, each part and
// both together, in milliseconds.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "axisdata/FileInput.h"
#include "axisdata/Selection.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr int kRounds = 50;
constexpr std::int16_t kAxes = 16;

// A message box here means a file could not be read: the figures would be meaningless.
class FailOnMessage : public platform::UiServices {
 public:
  platform::MsgAnswer MessageBox(const std::string& text, platform::MsgButtons, platform::MsgIcon,
                                 const std::string&) override {
    std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
    std::exit(1);
  }
  std::optional<std::string> FileDialog(const platform::FileDialogRequest&) override {
    return std::nullopt;
  }
  bool OpenDocument(const std::string&) override { return false; }
  void ProcessEvents() override {}
  void ShowModal(platform::ModalWindow&) override {}
};

bool SaveDataSet(const std::string& base) {
  bool ok = true;
  for (std::int16_t axis = 0; axis < kAxes; ++axis) {
    ok = !axisdata::WriteEepFile(axis, axisdata::EepPath(base, axis)) && ok;
  }
  return !axisdata::WriteXepFile(axisdata::XepPath(base)) && ok;
}

void Print(const char* what, std::vector<Ms> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-40s median %7.2f ms   slowest %7.2f ms\n", what, times[times.size() / 2].count(),
              times.back().count());
}

}  // namespace

int main() {
  FailOnMessage ui;
  platform::SetUi(&ui);
  resources::LoadUiText(4000);
  axisdata::AxisCount = kAxes;
  char tmpl[] = "/tmp/vuz-kav-bench-XXXXXX";
  const std::string folder = mkdtemp(tmpl);
  const std::string source = std::string(VUZ_DEFAULT_DATA) + "/default";

  std::vector<Ms> opens, saves, both;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    const axisdata::KavSetOpening opening = axisdata::OpenKavDataSet(source);
    if (opening.failures || !opening.missing.empty()) {
      const std::string why =
          opening.failures ? *opening.failures : "missing: " + opening.missing.front();
      std::fprintf(stderr, "%s\n", why.c_str());
      return 1;
    }
    const auto opened = Clock::now();
    if (!SaveDataSet(folder + "/default")) {
      std::fprintf(stderr, "writing into %s failed\n", folder.c_str());
      return 1;
    }
    const auto saved = Clock::now();
    opens.push_back(opened - start);
    saves.push_back(saved - opened);
    both.push_back(saved - start);
  }
  std::filesystem::remove_all(folder);
  platform::SetUi(nullptr);

  std::printf("KAV data set of %d axes, %d rounds (goal: open and save under 50 ms)\n", kAxes,
              kRounds);
  Print("open (16 EEP + XEP)", opens);
  Print("save (16 EEP + XEP, each flushed)", saves);
  Print("open and save", both);
  return 0;
}
