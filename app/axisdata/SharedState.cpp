#include "axisdata/SharedState.h"

#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "axisdata/Notation.h"
#include "axisdata/Selection.h"
#include "axisdata/TransferLoop.h"
#include "axisdata/Units.h"

namespace axisdata {

void ResetSharedState() {
  ResetUnitState();
  DispMode = kHexadecimal;
  TransferCancel = false;
  AxisCount = 1;
  CurAxis = CurPage = CurPoint = 0;
  for (AxisWords& axis : AxisData) axis.fill(0);
  AxisUnsaved.fill(false);
  AxisUnsent.fill(false);
  ExtPointData.fill(0);
  XepUnsaved = XepUnsent = false;
  BaseFileName.clear();
  for (std::string& name : EepFileName) name.clear();
  XepFileName.clear();
  KavDataSetOpened = false;
}

}  // namespace axisdata
