#include "axisdata/ExtPointData.h"

#include <limits>

#include "axisdata/Selection.h"

namespace axisdata {

ExtPointWords ExtPointData{};
bool XepUnsaved = false;
bool XepUnsent = false;

namespace {

constexpr int kPointsPerPage = 16;
constexpr int kWordsPerPoint = 2;

// One step of the 16-bit index arithmetic.
int Checked(int value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw ExtPointIndexError("extended point index leaves the 16-bit range");
  }
  return value;
}

}  // namespace

std::int16_t PagesPerAxis(int axisCount) {
  switch (axisCount) {
    case 4: return 12;
    case 5: return 10;
    case 6: return 8;
    case 7: return 7;
    case 8: return 6;
    case 9: case 10: return 5;
    case 11: case 12: return 4;
    case 13: case 14: case 15: case 16: return 3;
    default: return 16;  // 1-3 axes, and any count out of range
  }
}

std::int16_t ClampPageNum(std::int16_t page) {
  return page + 1 <= PagesPerAxis(AxisCount) ? page : 0;
}

std::int16_t ExtPointIndex(std::int16_t page, std::int16_t axis, std::int16_t point) {
  const int slot = Checked(Checked(page - 1) + Checked(axis * PagesPerAxis(AxisCount)));
  const int index = Checked(Checked(Checked(slot * kPointsPerPage) + point) * kWordsPerPoint);
  if (index < 0 || index > kExtPointCarried - kWordsPerPoint) {
    throw ExtPointIndexError("extended point index outside the image");
  }
  return static_cast<std::int16_t>(index);
}

}  // namespace axisdata
