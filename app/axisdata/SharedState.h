#pragma once

namespace axisdata {

// Puts every value this subsystem shares between windows back to its state at start: the axis
// count and selection, the axis and extended-point images with their flags and file names, the
// unit state, the notation and the transfer flag. The one reset point, so a test fixture cannot
// forget one of them.
void ResetSharedState();

}  // namespace axisdata
