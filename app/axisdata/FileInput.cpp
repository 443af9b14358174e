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

void OpenKavDataSet(const std::string& base) {
  for (std::int16_t axis = 0; axis < AxisCount && axis < kAxisSlots; ++axis) {
    EepFileName[axis] = EepPath(base, axis);
    ReadEepFile(axis, EepFileName[axis]);
  }
  XepFileName = XepPath(base);
  ReadXepFile(XepFileName);
  ReadComParam(CurAxis);
  FillKavGrid(CurAxis, CurPage);
  ResetGridCursor();
}

}  // namespace axisdata
