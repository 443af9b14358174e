#pragma once

namespace axisdata {

// Puts every value this subsystem shares between windows back to its state at start: the unit
// state, the notation and the transfer flags. The one reset point, so a test fixture cannot
// forget one of them.
void ResetSharedState();

}  // namespace axisdata
