#include "editors/KavDataSet.h"

#include <algorithm>

#include "axisdata/AxisData.h"
#include "axisdata/AxisTransfers.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"

namespace editors {

namespace {

// "These files were not found in /data; Save will create them: new0.EEP, new.XEP." The files of
// one set share a folder.
std::string NotFoundText(const std::vector<std::string>& files) {
  std::string names;
  for (const std::string& file : files) {
    names += (names.empty() ? "" : ", ") + axisdata::PathFileName(file);
  }
  // The folder without its closing separator ("/" itself for the root).
  const std::string& first = files.front();
  const std::size_t nameStart = first.size() - axisdata::PathFileName(first).size();
  const std::string folder = first.substr(0, nameStart > 1 ? nameStart - 1 : nameStart);
  return resources::Text(resources::Msg::KavFilesNotFound, {folder, names});
}

}  // namespace

KavSaveResult SaveKavDataSet() {
  using namespace axisdata;
  KavSaveResult result;
  // True when the file was written; a failure joins the others.
  const auto wrote = [&result](const std::optional<std::string>& error) {
    AddFailure(result.failures, error);
    result.anyWritten = result.anyWritten || !error;
    return !error;
  };
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    EepFileName[axis] = EepPath(BaseFileName, axis);
    if (wrote(WriteEepFile(axis, EepFileName[axis]))) AxisUnsaved[axis] = false;
  }
  XepFileName = XepPath(BaseFileName);
  if (wrote(WriteXepFile(XepFileName))) XepUnsaved = false;
  return result;
}

std::optional<std::string> OpenEditorDataSet(const std::string& base,
                                             const std::string& defaultBase) {
  using namespace axisdata;
  const bool firstOpening = !KavDataSetOpened;
  KavSetOpening opening = OpenKavDataSet(base, firstOpening ? defaultBase : std::string());
  // Every EEP file and the XEP file missing: a set never saved, nothing to tell.
  const auto setFiles = static_cast<std::size_t>(std::min<int>(AxisCount, kAxisSlots)) + 1;
  const bool neverSaved = firstOpening && opening.missing.size() == setFiles;
  if (!neverSaved && !opening.missing.empty()) {
    AddFailure(opening.failures, NotFoundText(opening.missing));
  }
  return opening.failures;
}

bool TransferKavDataSet(BatchDirection direction) {
  using namespace axisdata;
  using axisdata::TransferResult;
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
  platform::Warn(NotTransferredText(missed, !extPoints));
  return false;
}

std::string NotTransferredText(const std::vector<std::int16_t>& axes, bool extPoints) {
  using resources::Msg;
  std::string numbers;
  for (std::size_t i = 0; i < axes.size(); ++i) {
    numbers += (i == 0 ? "" : ", ") + axisdata::HexText(axes[i]);
  }
  if (axes.empty()) return resources::Text(Msg::NotTransferredExt);
  const bool one = axes.size() == 1;
  const Msg id = extPoints ? (one ? Msg::NotTransferredAxisAndExt : Msg::NotTransferredAxesAndExt)
                           : (one ? Msg::NotTransferredAxis : Msg::NotTransferredAxes);
  return resources::Text(id, {numbers});
}

}  // namespace editors
