#include "SimKavData.h"

#include <algorithm>
#include <cstdio>

#include "ExtPointImage.h"
#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "platform/ConsoleUi.h"
#include "resources/StringTable.h"
#include "resources/UiText.h"

namespace simtool {

namespace {

using vuz::sim::TransferKind;

constexpr int kExpansionShift = 24;

std::span<const std::int32_t> ExtWireWords(const vuz::sim::GatewayData& data) {
  return {reinterpret_cast<const std::int32_t*>(data.ext_points.data()), data.ext_points.size()};
}

}  // namespace

void LoadKavDataSet(const std::string& base, vuz::sim::GatewayData& data) {
  // What the data readers could not read is told on stderr.
  platform::ConsoleUi console;
  platform::SetUi(&console);
  resources::LoadUiText(resources::kEnglishBase);
  for (unsigned a = 0; a < vuz::sim::kAxes; ++a) {
    const auto axis = static_cast<std::int16_t>(a);
    if (const auto failure = axisdata::ReadEepFile(axis, axisdata::EepPath(base, axis))) {
      platform::Warn(*failure);
      continue;
    }
    const axisdata::AxisWords& words = axisdata::AxisData[a];
    vuz::sim::AxisImage& image = data.axes[a];
    std::copy_n(axisdata::CommonValue(words).begin(), vuz::sim::kAxisBlockWords,
                image.common.begin());
    for (unsigned p = 0; p < vuz::sim::kBanks; ++p) {
      std::copy_n(axisdata::PointValue(words, p).begin(), vuz::sim::kAxisBlockWords,
                  image.banks[p].begin());
    }
    image.expansion = static_cast<std::uint32_t>(axisdata::ExpansionWord(words)) >> kExpansionShift;
  }
  if (const auto failure = axisdata::ReadXepFile(axisdata::XepPath(base))) {
    platform::Warn(*failure);
  } else {
    std::vector<std::int32_t> wire(data.ext_points.size());
    klvn::pack_ext_points(axisdata::ExtPointData, wire);
    std::copy(wire.begin(), wire.end(), data.ext_points.begin());
  }
  platform::SetUi(nullptr);
}

std::optional<Saved> SaveKavDownload(const vuz::sim::TransferRequest& request,
                                     const vuz::sim::GatewayData& data, const std::string& base) {
  if (!request.download) return std::nullopt;
  if (request.kind == TransferKind::Expansion) {
    const vuz::sim::AxisImage& image = data.axes[request.axis];
    axisdata::AxisWords& words = axisdata::AxisData[request.axis];
    std::copy(image.common.begin(), image.common.end(), axisdata::CommonValue(words).begin());
    for (unsigned p = 0; p < vuz::sim::kBanks; ++p) {
      std::copy(image.banks[p].begin(), image.banks[p].end(),
                axisdata::PointValue(words, p).begin());
    }
    axisdata::ExpansionWord(words) = static_cast<std::int32_t>(image.expansion << kExpansionShift);
    const std::string file = axisdata::EepPath(base, static_cast<int>(request.axis));
    return Saved{file, axisdata::WriteEepFile(static_cast<std::int16_t>(request.axis), file)};
  }
  if (request.kind == TransferKind::ExtPoints) {
    klvn::unpack_ext_points(ExtWireWords(data), axisdata::ExtPointData);
    const std::string file = axisdata::XepPath(base);
    return Saved{file, axisdata::WriteXepFile(file)};
  }
  return std::nullopt;
}

}  // namespace simtool
