#include "axisdata/FileInput.h"

#include "axisdata/EditorViews.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"

namespace axisdata {

std::string BaseFileName;
std::array<std::string, kAxisSlots> EepFileName;
std::string XepFileName;

std::string EepPath(const std::string& base, int axis) { return base + HexText(axis) + ".EEP"; }

std::string XepPath(const std::string& base) { return base + ".XEP"; }

void AddFailure(std::optional<std::string>& failures, const std::optional<std::string>& failure) {
  if (failure) failures = failures ? *failures + "\n" + *failure : *failure;
}

std::optional<std::string> OpenKavDataSet(const std::string& base) {
  std::optional<std::string> failures;
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    EepFileName[axis] = EepPath(base, axis);
    AddFailure(failures, ReadEepFile(axis, EepFileName[axis]));
  }
  XepFileName = XepPath(base);
  AddFailure(failures, ReadXepFile(XepFileName));
  ReadComParam(CurAxis);
  FillKavGrid(CurAxis, CurPage);
  ResetGridCursor();
  return failures;
}

}  // namespace axisdata
