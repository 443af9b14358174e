#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>

// The extended points of all axes: pages 1 and above, 16 points a page, each point a position
// word (pulses) and a speed word (0.2 r/min). The room is divided among the axes by the number
// of axes; page 0 of every axis lives in AxisData.
namespace axisdata {

inline constexpr int kExtPointWords = 1681;
inline constexpr int kExtPointCarried = 1680;  // words 0-1679 travel in files and transfers

using ExtPointWords = std::array<std::int32_t, kExtPointWords>;

extern ExtPointWords ExtPointData;

// Set by the single-point editor when it changed an extended point; cleared by a save
// (XepUnsaved) and by a transfer (XepUnsent).
extern bool XepUnsaved;
extern bool XepUnsent;

// Pages of every axis, page 0 included: 16 for 1-3 axes, 12 for 4, 10 for 5, 8 for 6, 7 for 7,
// 6 for 8, 5 for 9-10, 4 for 11-12, 3 for 13-16, and 16 for any other count.
std::int16_t PagesPerAxis(int axisCount);

// The page itself when it exists for AxisCount axes, else page 0. A negative page is returned
// unchanged.
std::int16_t ClampPageNum(std::int16_t page);

// Thrown by ExtPointIndex for arguments that address no extended point.
class ExtPointIndexError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// Index of the position word of point `point` of page `page` (1 or more) of axis `axis` with
// AxisCount axes; the speed word follows it. The arithmetic is 16-bit: a step that leaves
// -32768..32767 throws ExtPointIndexError, and so does a result outside words 0-1678 (a page
// below 1, an axis beyond AxisCount). Pages from ClampPageNum, axes below AxisCount and points
// 0-15 never throw, so callers that pass only those need not catch it.
std::int16_t ExtPointIndex(std::int16_t page, std::int16_t axis, std::int16_t point);

}  // namespace axisdata
