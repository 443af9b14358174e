#include "editors/KavDataSet.h"

#include <filesystem>

#include "axisdata/AxisData.h"
#include "axisdata/AxisTransfers.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "platform/UiServices.h"

namespace editors {

namespace {

using axisdata::TransferResult;

void Warn(const std::string& text) {
  platform::Ui().MessageBox(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation, "");
}

void AddFailure(std::optional<std::string>& failures, const std::string& failure) {
  failures = failures ? *failures + "\n" + failure : failure;
}

}  // namespace

std::optional<std::string> SaveKavDataSet() {
  using namespace axisdata;
  std::optional<std::string> failures;
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    EepFileName[axis] = EepPath(BaseFileName, axis);
    if (const std::optional<std::string> error = WriteEepFile(axis, EepFileName[axis])) {
      AddFailure(failures, *error);
    } else {
      AxisUnsaved[axis] = false;
    }
  }
  XepFileName = XepPath(BaseFileName);
  if (const std::optional<std::string> error = WriteXepFile(XepFileName)) {
    AddFailure(failures, *error);
  } else {
    XepUnsaved = false;
  }
  return failures;
}

bool KavDataSetOnDisk(const std::string& base) {
  using namespace axisdata;
  const auto exists = [](const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
  };
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    if (exists(EepPath(base, axis))) return true;
  }
  return exists(XepPath(base));
}

bool TransferKavDataSet(BatchDirection direction) {
  using namespace axisdata;
  const LoopScope busy;
  const bool upload = direction == BatchDirection::Upload;
  BeginTransferSeries();
  std::vector<std::int16_t> missed;
  bool stopped = false;
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    if (stopped) {
      missed.push_back(axis);
      continue;
    }
    const TransferResult result = upload ? UploadKavAxis(axis) : DownloadKavAxis(axis);
    if (result == TransferResult::Completed) {
      AxisUnsent[axis] = false;
      AxisUnsaved[axis] = true;
      continue;
    }
    missed.push_back(axis);
    // An axis the gateway lacks says nothing about the next; a failed line or a cancel does.
    stopped = result != TransferResult::Aborted;
  }
  const bool extPoints =
      !stopped && (upload ? UploadExtPoints() : DownloadExtPoints()) == TransferResult::Completed;
  if (extPoints) {
    XepUnsent = false;
    XepUnsaved = true;
  }
  if (missed.empty() && extPoints) return true;
  Warn(NotTransferredText(missed, !extPoints));
  return false;
}

std::string NotTransferredText(const std::vector<std::int16_t>& axes, bool extPoints) {
  std::string text = "Not transferred: ";
  if (!axes.empty()) text += axes.size() == 1 ? "axis " : "axes ";
  for (std::size_t i = 0; i < axes.size(); ++i) {
    text += (i == 0 ? "" : ", ") + axisdata::HexText(axes[i]);
  }
  if (extPoints) text += axes.empty() ? "the extended points" : " and the extended points";
  return text + ".";
}

}  // namespace editors
