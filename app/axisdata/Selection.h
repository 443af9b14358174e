#pragma once
#include <cstdint>

// The number of axes and the axis, page and point the windows are working on. One set for the
// whole program: the main window, the editors and the monitor all read and change these.
namespace axisdata {

// Axes behind the gateway (1-16), chosen in the start wizard.
inline std::int16_t AxisCount = 1;

// Axis (0-15), page (0 base points, 1 and above extended points) and point (0-15).
inline std::int16_t CurAxis = 0;
inline std::int16_t CurPage = 0;
inline std::int16_t CurPoint = 0;

}  // namespace axisdata
