#include "axisdata/FileInput.h"

#include <filesystem>

#include "axisdata/EditorViews.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"

namespace axisdata {

std::string BaseFileName;
std::array<std::string, kAxisSlots> EepFileName;
std::string XepFileName;
bool KavDataSetOpened = false;

std::string EepPath(const std::string& base, int axis) { return base + HexText(axis) + ".EEP"; }

std::string XepPath(const std::string& base) { return base + ".XEP"; }

void AddFailure(std::optional<std::string>& failures, const std::optional<std::string>& failure) {
  if (failure) failures = failures ? *failures + "\n" + *failure : *failure;
}

KavSetOpening OpenKavDataSet(const std::string& base, const std::string& standIn) {
  KavSetOpening opening;
  // Reads the set's file, or, when it does not exist, the stand-in's; a file that exists but
  // cannot be read is a failure, never missing.
  const auto load = [&](const std::string& name, const std::string& standInName,
                        const auto& read) {
    std::error_code error;
    if (std::filesystem::exists(name, error) || error) {
      AddFailure(opening.failures, read(name));
      return;
    }
    opening.missing.push_back(name);
    if (!standIn.empty()) AddFailure(opening.failures, read(standInName));
  };
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    EepFileName[axis] = EepPath(base, axis);
    load(EepFileName[axis], EepPath(standIn, axis),
         [axis](const std::string& name) { return ReadEepFile(axis, name); });
  }
  XepFileName = XepPath(base);
  load(XepFileName, XepPath(standIn), ReadXepFile);
  KavDataSetOpened = true;
  ReadComParam(CurAxis);
  FillKavGrid(CurAxis, CurPage);
  ResetGridCursor();
  return opening;
}

}  // namespace axisdata
