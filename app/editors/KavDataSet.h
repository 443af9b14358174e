#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The point-table editor's work on the whole KAV data set, without its window: saving every
// axis and the extended points, and moving them to or from the gateway as one batch.
namespace editors {

// What a save of the data set did.
struct KavSaveResult {
  std::optional<std::string> failures;  // one line a file that was not written, naming it and why
  bool anyWritten = false;
};

// Writes the EEP file of every axis (0 to AxisCount - 1) and the XEP file, named from
// BaseFileName, and records the names. A file that could not be written stays as it was and
// keeps its unsaved mark; the others are written all the same.
[[nodiscard]] KavSaveResult SaveKavDataSet();

// Opens the data set named by base in the point-table editor. Until a data set was opened in
// this run memory holds nothing to keep, so the default set (defaultBase) stands in for each
// file the set lacks: a set never saved starts as a copy of it, without a word. Afterwards a
// missing file leaves the data in memory as they are. Nothing when there is nothing to tell,
// else one message: the files that could not be read, and those not found, which Save creates.
[[nodiscard]] std::optional<std::string> OpenEditorDataSet(const std::string& base,
                                                           const std::string& defaultBase);

enum class BatchDirection { Upload, Download };

// Transfers every axis in ascending order, then the extended points, through the progress
// window. TransferCancel is cleared first. An axis (or the extended points) is marked as sent,
// and as differing from its files, only when its transfer completed; an axis the gateway does
// not have is passed over, while a failure or a cancel ends the batch. When not everything
// completed the user is told in one message which parts did not (each transfer has told its own
// failure). True when everything completed.
bool TransferKavDataSet(BatchDirection direction);

// "Not transferred: axes 3, 4, 5 and the extended points." (axis numbers in hexadecimal).
std::string NotTransferredText(const std::vector<std::int16_t>& axes, bool extPoints);

}  // namespace editors
