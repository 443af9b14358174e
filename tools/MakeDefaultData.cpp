// Writes the default data set into a folder with the program's own writers: default.zel and
// default.csv (an empty synchronous table, nothing scanned, no backup options) and the KAV data
// set default0.EEP ... defaultF.EEP and default.XEP (the same catalogue actuator on each of the
// 16 axes, so that the editors open on sensible values). The build runs it into the data folder
// beside the program.
//   vuz-make-default-data <folder>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "platform/TableGrid.h"
#include "resources/UiText.h"
#include "shell/SyncImage.h"

namespace {

using namespace axisdata;

// ECC-150: family C, 150 mm stroke, 6 mm lead, at 800 pulses per revolution 133.3 pulses/mm.
constexpr int kTypeCode = 0x2C;
constexpr std::int32_t kStrokePulses = 20000;  // 150 mm
constexpr int kHomeMode = 8;                   // catalogue model, home at the forward end
constexpr std::int32_t kHomeSpeed = 500;       // 100 r/min: 10 mm/s
constexpr std::int32_t kHomeAcc = 100;         // 10 r/min/ms
constexpr std::int32_t kHomeCurrent = 112;     // 50 % of 224

// Point values shared by the filled points.
constexpr std::int32_t kInPosition = 40;  // 0.3 mm
constexpr std::int32_t kAcc = 300;        // 30 r/min/ms, about 0.3 G
constexpr std::int32_t kStopCurrent = 90;   // 50 % of 180
constexpr std::int32_t kDriveCurrent = 117;  // 65 %, the family's thrust limit
constexpr std::int32_t kServoGain = 2;

struct Move {
  std::int32_t position;  // pulses
  std::int32_t speed;     // speed code: 5000 is 1000 r/min, 100 mm/s
};

// Points 0-3 of every axis, within the soft limits.
constexpr Move kFilledPoints[] = {{800, 5000}, {4000, 5000}, {10000, 5000}, {16000, 2500}};
// Page 1 points 0-1 of axis 0 (the first slot of the extended points, whatever the axis count).
constexpr Move kFilledExtPoints[] = {{12000, 5000}, {6000, 5000}};

void SetAddresses(std::span<std::int32_t, kBlockWords> addresses) {
  std::iota(addresses.begin(), addresses.end(), 0);
}

void SetDefaultAxis(AxisWords& words) {
  words.fill(0);
  SetAddresses(CommonAddr(words));
  words[kTypeCodeWord] = kTypeCode;
  words[kFwdLimitWord] = 0;
  words[kRvsLimitWord] = kStrokePulses;
  words[kFwdZoneWord] = kStrokePulses / 4;
  words[kRvsZoneWord] = kStrokePulses * 3 / 4;
  words[kHomeModeWord] = kHomeMode;
  words[kHomeSpeedWord] = kHomeSpeed;
  words[kHomeAccWord] = kHomeAcc;
  words[kHomeCurrentWord] = kHomeCurrent;
  for (int p = 0; p < kBasePoints; ++p) SetAddresses(PointAddr(words, p));
  for (int p = 0; p < static_cast<int>(std::size(kFilledPoints)); ++p) {
    const std::span<std::int32_t, kBlockWords> point = PointValue(words, p);
    point[kPCMD] = kFilledPoints[p].position;
    point[kINP] = kInPosition;
    point[kVCMD] = kFilledPoints[p].speed;
    point[kACMD] = kAcc;
    point[kSPOW] = kStopCurrent;
    point[kDPOW] = kDriveCurrent;
    point[kPLG0] = kServoGain;
  }
}

std::vector<std::optional<std::string>> WriteKavDataSet(const std::string& base) {
  std::vector<std::optional<std::string>> errors;
  constexpr std::int16_t kAxes = 16;
  for (std::int16_t axis = 0; axis < kAxes; ++axis) {
    SetDefaultAxis(AxisData[axis]);
    errors.push_back(WriteEepFile(axis, EepPath(base, axis)));
  }
  ExtPointData.fill(0);
  for (int i = 0; i < static_cast<int>(std::size(kFilledExtPoints)); ++i) {
    ExtPointData[2 * i] = kFilledExtPoints[i].position;
    ExtPointData[2 * i + 1] = kFilledExtPoints[i].speed;
  }
  errors.push_back(WriteXepFile(XepPath(base)));
  return errors;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  shell::PrgData.fill(0);
  resources::LoadUiText(4000);
  platform::TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  shell::SetSyncGridHeaders(grid, resources::Text(resources::Txt::SyncAxCorner));
  shell::ReadPrgData(grid, 0);
  std::vector<std::optional<std::string>> errors = WriteKavDataSet(folder + "/default");
  errors.push_back(shell::WriteZelFile(folder + "/default.zel", true));
  errors.push_back(shell::WriteCsvFile(folder + "/default.csv", shell::WriteCSVString(grid)));
  for (const auto& error : errors) {
    if (error) {
      std::fprintf(stderr, "%s\n", error->c_str());
      return 1;
    }
  }
  return 0;
}
