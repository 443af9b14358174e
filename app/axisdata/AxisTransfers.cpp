#include "axisdata/AxisTransfers.h"

#include <functional>
#include <string>

#include "axisdata/AxisData.h"
#include "axisdata/EditorViews.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/NumberText.h"
#include "axisdata/ProgressView.h"
#include "axisdata/TextRoutines.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"

namespace axisdata {

namespace {

using resources::Text;
using resources::Txt;

constexpr std::int32_t kExtPointCapacity = 1260;  // words on the wire: 420 records of three
constexpr double kExpansionScale = 16777216;      // the expansion byte sits in bits 24-31

struct Direction {
  Txt start;   // asks the user to start the transfer at the gateway
  Txt moving;  // once words move
  Txt failed;
};
constexpr Direction kUpload{Txt::StartUpload, Txt::Uploading, Txt::UploadFailed};
constexpr Direction kDownload{Txt::StartDownload, Txt::Downloading, Txt::DownloadFailed};

// The library calls of one axis's stages in one direction.
struct AxisSteps {
  std::function<std::int32_t(std::int32_t* words)> common;
  std::function<std::int32_t(int bank, std::int32_t* words)> bank;
  std::function<std::int32_t(std::int32_t& byte)> expansion;
};

TransferResult ResultOf(std::int32_t step) {
  switch (step) {
    case KLVNDRV_DONE: return TransferResult::Completed;
    case KLVNDRV_ABORTED: return TransferResult::Aborted;
    case KLVNDRV_GO_ON: return TransferResult::Cancelled;  // the loop ended on the cancel
    default: return TransferResult::Failed;
  }
}

// One stage; a cancel that came before it starts nothing, so nothing more reaches the gateway.
TransferResult RunStage(const std::function<std::int32_t()>& step, const TransferProgress& shown) {
  if (TransferCancel) return TransferResult::Cancelled;
  return ResultOf(RunTransferLoop(step, shown));
}

// A stage of 32 counted words, captioned from its first word.
TransferResult RunCountedStage(const std::function<std::int32_t()>& step,
                               const std::string& caption) {
  if (TransferCancel) return TransferResult::Cancelled;
  klvn::reset_load_count(kBlockWords);
  return RunStage(step, {nullptr, [&caption] { Progress().SetCaption(caption); }});
}

void ReportAxis(TransferResult result, std::int16_t axis, const Direction& direction) {
  const std::string axisName = Text(Txt::AxisNumber) + HexText(axis) + ": ";
  if (result == TransferResult::Aborted) platform::Warn(axisName + Text(Txt::NoAxisHere));
  if (result == TransferResult::Failed) platform::Warn(axisName + Text(direction.failed));
}

// The three stages on `words` (an axis's words); the expansion byte travels in `byte`.
TransferResult RunAxis(std::int16_t axis, const Direction& direction, const AxisSteps& steps,
                       AxisWords& words, std::int32_t& byte) {
  const LoopScope busy;
  ProgressView& progress = Progress();
  progress.Begin(Text(direction.start), kBasePoints, true);
  const std::string caption = Text(Txt::AxisNumberLower) + HexText(axis) + ": " +
                              Text(direction.moving);
  TransferResult result =
      RunCountedStage([&] { return steps.common(CommonValue(words).data()); }, caption);
  for (int bank = 0; bank < kBasePoints && result == TransferResult::Completed; ++bank) {
    progress.SetValue(bank + 1);
    result = RunCountedStage([&] { return steps.bank(bank, PointValue(words, bank).data()); },
                             caption);
  }
  if (result == TransferResult::Completed) {
    result = RunStage([&] { return steps.expansion(byte); }, {});
  }
  progress.End();
  ReportAxis(result, axis, direction);
  return result;
}

// One counted transfer of the extended points on `values`.
TransferResult RunExtPoints(const Direction& direction,
                            const std::function<std::int32_t()>& step) {
  const LoopScope busy;
  ProgressView& progress = Progress();
  progress.Begin(Text(direction.start), kExtPointCapacity, true);
  klvn::reset_load_count(kExtPointCapacity);
  const std::string caption = Text(Txt::ExtendedPosition) + ": " + Text(direction.moving);
  const TransferResult result =
      RunStage(step, {[&progress](std::int32_t count) { progress.SetValue(count); },
                      [&progress, &caption] { progress.SetCaption(caption); }});
  progress.End();
  if (result == TransferResult::Failed) {
    platform::Warn(Text(Txt::ExtendedPosition) + ": " + Text(direction.failed));
  }
  return result;
}

}  // namespace

TransferResult UploadKavAxis(std::int16_t axis) {
  // The gateway's words land in a copy: an upload that does not complete changes nothing.
  AxisWords received = AxisData[axis];
  std::int32_t byte = 0;
  const AxisSteps steps{
      [axis](std::int32_t* w) { return klvn::exec_axcom_upload(axis, w); },
      [axis](int bank, std::int32_t* w) { return klvn::exec_axpoint_upload(axis, bank, w); },
      [axis](std::int32_t& b) { return klvn::exec_axexpr_upload(axis, &b); }};
  const TransferResult result = RunAxis(axis, kUpload, steps, received, byte);
  if (result != TransferResult::Completed) return result;
  ExpansionWord(received) = UnsignedToLong(static_cast<std::int64_t>(byte & 0xFF) << 24);
  AxisData[axis] = received;
  ReadComParam(axis);
  return result;
}

TransferResult DownloadKavAxis(std::int16_t axis) {
  AxisWords sent = AxisData[axis];
  std::int32_t byte =
      static_cast<std::int32_t>(RoundHalfEven(ExpansionWord(sent) / kExpansionScale)) & 0xFF;
  const AxisSteps steps{
      [axis](std::int32_t* w) { return klvn::exec_axcom_download(axis, w); },
      [axis](int bank, std::int32_t* w) { return klvn::exec_axpoint_download(axis, bank, w); },
      [axis](std::int32_t& b) { return klvn::exec_axexpr_download(axis, b); }};
  return RunAxis(axis, kDownload, steps, sent, byte);
}

TransferResult UploadExtPoints() {
  std::array<std::int32_t, kExtPointWords> received = ExtPointData;
  const TransferResult result =
      RunExtPoints(kUpload, [&received] { return klvn::exec_expt_upload(received.data()); });
  if (result == TransferResult::Completed) ExtPointData = received;
  return result;
}

TransferResult DownloadExtPoints() {
  return RunExtPoints(kDownload, [] { return klvn::exec_expt_download(ExtPointData.data()); });
}

}  // namespace axisdata
