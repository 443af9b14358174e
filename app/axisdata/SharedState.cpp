#include "axisdata/SharedState.h"

#include "axisdata/Notation.h"
#include "axisdata/TransferLoop.h"
#include "axisdata/Units.h"

namespace axisdata {

void ResetSharedState() {
  ResetUnitState();
  DispMode = kHexadecimal;
  TransferCancel = false;
}

}  // namespace axisdata
