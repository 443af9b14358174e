#include "axisdata/AxisData.h"

namespace axisdata {

std::array<AxisWords, kAxisSlots> AxisData{};
std::array<bool, kAxisSlots> AxisUnsaved{};
std::array<bool, kAxisSlots> AxisUnsent{};

}  // namespace axisdata
