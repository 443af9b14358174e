#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/Selection.h"

using namespace axisdata;

namespace {

class ExtPoints : public testing::Test {
 protected:
  void TearDown() override { AxisCount = 1; }
};

TEST(PagesPerAxisRule, EveryAxisCount) {
  const int pages[] = {16, 16, 16, 16, 12, 10, 8, 7, 6, 5, 5, 4, 4, 3, 3, 3, 3, 16};
  for (int count = 0; count <= 17; ++count) EXPECT_EQ(PagesPerAxis(count), pages[count]) << count;
  EXPECT_EQ(PagesPerAxis(-1), 16);
}

struct IndexCase {
  const char* name;
  std::int16_t axes, page, axis, point, index;
};
void PrintTo(const IndexCase& c, std::ostream* os) { *os << c.name; }

class ExtPointIndexRule : public ExtPoints, public testing::WithParamInterface<IndexCase> {};

TEST_P(ExtPointIndexRule, PositionWordThenSpeedWord) {
  const IndexCase& c = GetParam();
  AxisCount = c.axes;
  EXPECT_EQ(ExtPointIndex(c.page, c.axis, c.point), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExtPointIndexRule,
    testing::Values(IndexCase{"FourAxesLastPageOfAxis3", 4, 11, 3, 15, 1502},
                    IndexCase{"SixteenAxesAxis15Page2", 16, 2, 15, 15, 1502},
                    IndexCase{"FiveAxesHighestWord", 5, 9, 4, 15, 1566},
                    IndexCase{"TenAxesHighestWord", 10, 4, 9, 15, 1566},
                    IndexCase{"FirstSlot", 1, 1, 0, 0, 0},
                    IndexCase{"OneAxisLastPage", 1, 15, 0, 15, 478}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExtPoints, HighestSpeedWordOfAnyAxisCountIs1567) {
  int highest = 0;
  for (std::int16_t axes = 1; axes <= 16; ++axes) {
    AxisCount = axes;
    for (std::int16_t axis = 0; axis < axes; ++axis) {
      for (std::int16_t page = 1; page < PagesPerAxis(axes); ++page) {
        highest = std::max<int>(highest, ExtPointIndex(page, axis, 15) + 1);
      }
    }
  }
  EXPECT_EQ(highest, 1567);
}

TEST_F(ExtPoints, ClampPageNumFallsBackToPageZeroOnlyAbove) {
  AxisCount = 4;
  EXPECT_EQ(ClampPageNum(11), 11);
  EXPECT_EQ(ClampPageNum(12), 0);
  EXPECT_EQ(ClampPageNum(-1), -1);
  AxisCount = 16;
  EXPECT_EQ(ClampPageNum(2), 2);
  EXPECT_EQ(ClampPageNum(3), 0);
}

TEST_F(ExtPoints, IndexBeyondSixteenBitsOrOutsideTheImageThrows) {
  AxisCount = 1;
  // (1100 - 1) x 16 + 15 = 17599 still fits 16 bits; twice that does not.
  EXPECT_THROW(ExtPointIndex(1100, 0, 15), ExtPointIndexError);
  EXPECT_THROW(ExtPointIndex(32767, 0, 0), ExtPointIndexError);
  EXPECT_THROW(ExtPointIndex(-32768, 0, 0), ExtPointIndexError);
  // Page 0 lives in AxisData; an axis beyond the count lands past the carried words.
  EXPECT_THROW(ExtPointIndex(0, 0, 0), ExtPointIndexError);
  EXPECT_THROW(ExtPointIndex(15, 3, 15), ExtPointIndexError);
}

TEST(AxisDataLayout, NamedViewsCoverTheirWords) {
  AxisWords words{};
  for (int i = 0; i < kAxisWords; ++i) words[i] = i;
  EXPECT_EQ(CommonAddr(words)[0], 0);
  EXPECT_EQ(CommonValue(words)[kTypeCodeWord - kCommonValueWord], 55);
  EXPECT_EQ(PointAddr(words, 2)[0], 64 + 64 * 2);
  EXPECT_EQ(PointValue(words, 2)[kPCMD], 96 + 64 * 2);
  EXPECT_EQ(PointValue(words, 15)[31], 1087);
  EXPECT_EQ(ExpansionWord(words), 1152);
  PointValue(words, 0)[kVCMD] = -7;
  EXPECT_EQ(words[100], -7);
}

}  // namespace
