#include <gtest/gtest.h>

#include "FaultOf.h"
#include "UnitStateFixture.h"
#include "axisdata/Units.h"

using namespace axisdata;

namespace {

using Units = UnitStateTest;

TEST_F(Units, LeadTenResolution800) {
  UseAxis("mm", 10, 800);
  ASSERT_EQ(UnitPerPulse, 0.0125);
  controls.decimals = 2;
  EXPECT_EQ(FormatPulses(8000), "100.00");
  EXPECT_EQ(UnitToPulses("100"), 8000);
  EXPECT_EQ(SpeedCodeToText(1500), "50.00");
  EXPECT_EQ(TextToSpeedCode("50"), 1500);
}

TEST_F(Units, FormatPulsesFollowsTheDecimalsChoice) {
  UseAxis("mm", 10, 800);
  struct Case {
    int decimals;
    double pulses;
    const char* text;
  };
  const Case cases[] = {
      {0, 200, "2"},        {0, 280, "4"},         {0, -200, "-2"},
      {0, 8001, "100"},     {1, 8004, "100.1"},    {2, 8001, "100.01"},
      {3, 8001, "100.013"}, {-1, 8001, "100.013"}, {7, -8, "-0.100"},
  };
  for (const Case& c : cases) {
    controls.decimals = c.decimals;
    EXPECT_EQ(FormatPulses(c.pulses), c.text) << c.decimals << " " << c.pulses;
  }
}

TEST_F(Units, WholeUnitsRoundTheDecimalHalfNotItsBinaryNeighbour) {
  UseAxis("mm", 0.7, 800);
  controls.decimals = 0;
  EXPECT_EQ(FormatPulses(4000), "4");  // 3.5 units, 3.4999999999999996 in binary
}

TEST_F(Units, AccelerationInG) {
  UseAxis("mm", 10, 800);
  EXPECT_EQ(AccCodeToText(1000), "1.701");
  EXPECT_EQ(controls.accUnit, "G");
  EXPECT_EQ(TextToAccCode("1.701"), 1000);  // 1000.188
}

TEST_F(Units, AccelerationInRevolutions) {
  UseAxis("deg", 10, 800);
  EXPECT_EQ(AccCodeToText(1005), "100");  // 100.5 to even
  EXPECT_EQ(controls.accUnit, "r/min/ms");
  EXPECT_EQ(AccCodeToText(1015), "102");
  EXPECT_EQ(TextToAccCode("100"), 1000);
  EXPECT_EQ(TextToAccCode("0.05"), 0);  // 0.5 to even
}

TEST_F(Units, ZeroLeadIsAnErrorWhereTheConversionDividesByIt) {
  UseAxis("mm", 0, 800);
  EXPECT_EQ(FaultOf([] { UnitToPulses("100"); }), ConversionFault::ZeroLead);
  EXPECT_EQ(FaultOf([] { TextToSpeedCode("50"); }), ConversionFault::ZeroLead);
  EXPECT_EQ(FaultOf([] { TextToAccCode("1"); }), ConversionFault::ZeroLead);
  DisplayUnit = "deg";
  EXPECT_EQ(TextToAccCode("1"), 10);
}

TEST_F(Units, TextsWithoutANumberAndHugeResultsAreErrors) {
  UseAxis("mm", 10, 800);
  for (const char* text : {"", "abc", "1..2", "12mm"}) {
    EXPECT_EQ(FaultOf([&] { UnitToPulses(text); }), ConversionFault::NotANumber) << text;
    EXPECT_EQ(FaultOf([&] { TextToSpeedCode(text); }), ConversionFault::NotANumber) << text;
    EXPECT_EQ(FaultOf([&] { TextToAccCode(text); }), ConversionFault::NotANumber) << text;
  }
  EXPECT_EQ(FaultOf([] { UnitToPulses("1e9"); }), ConversionFault::OutOfRange);
  EXPECT_EQ(FaultOf([] { TextToSpeedCode("-1e9"); }), ConversionFault::OutOfRange);
  EXPECT_EQ(UnitToPulses("-26843545.6"), -2147483648);
}

TEST(ClampValue, ClampsBetweenTheSmallerAndTheLargerBound) {
  struct Case {
    double x, a, b, clamped;
  };
  const Case cases[] = {{7, 5, 1, 5}, {0, 5, 1, 1}, {3, 1, 5, 3}, {5, 5, 1, 5}, {-9, -2, -4, -4}};
  for (Case c : cases) {
    ClampValue(c.x, c.a, c.b);
    EXPECT_EQ(c.x, c.clamped) << c.a << " " << c.b;
  }
}

TEST_F(Units, SliderScalesFromTheLimits) {
  struct Case {
    std::int32_t fwd, rvs;
    std::int32_t fwdAfter, rvsAfter;
    double span;
    int step;
  };
  const Case cases[] = {
      {500, 500, 500, 501, 1, 32767},
      {0, 100000, 0, 100000, 100000, 1},
      {0, 1000, 0, 1000, 1000, 33},
      {0, 2, 0, 2, 2, 16384},  // 16383.5 to even
      {0, 32767, 0, 32767, 32767, 1},
      {0, 32766, 0, 32766, 32766, 1},
      {2000000000, 2000000000, 1073741823, 1073741824, 1, 32767},
      {2000000000, 0, 1073741823, 0, -1073741823, 1},
      {-2000000000, 2000000000, -1073741824, 1073741823, 2147483647, 1},
      {1000, 0, 1000, 0, -1000, 33},  // reverse below forward: the step follows the size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fwd << " " << c.rvs);
    RefreshWithLimits(c.fwd, c.rvs);
    EXPECT_EQ(FwdLimitPulses, c.fwdAfter);
    EXPECT_EQ(RvsLimitPulses, c.rvsAfter);
    EXPECT_EQ(SliderSpan, c.span);
    EXPECT_EQ(InpSliderScale, c.span);
    EXPECT_EQ(SliderOffset, c.fwdAfter);
    for (const auto& slider : controls.sliders) {
      EXPECT_EQ(slider.minimum, 0);
      EXPECT_EQ(slider.maximum, 32767);
      EXPECT_EQ(slider.step, c.step);
    }
  }
}

TEST_F(Units, RefreshLimitScalesRewritesTheLimitBoxesStrokeAndHomeSide) {
  UseAxis("mm", 10, 800);
  controls.decimals = 2;
  CatalogueModel = true;
  RefreshWithLimits(-8, 8008);
  EXPECT_EQ(controls.forward, "-0.10");
  EXPECT_EQ(controls.reverse, "100.10");
  EXPECT_EQ(controls.stroke, "100.20");
  EXPECT_EQ(controls.homeSide, 0);

  RefreshWithLimits(-8008, 8);
  EXPECT_EQ(controls.homeSide, 1);
  RefreshWithLimits(-8, 8);  // equal sizes: home on the reverse side
  EXPECT_EQ(controls.homeSide, 1);
}

TEST_F(Units, UserTypesLeaveTheHomeSideAlone) {
  CatalogueModel = false;
  RefreshWithLimits(-8008, 8);
  EXPECT_EQ(controls.homeSide, -1);
}

TEST_F(Units, WithoutControlsTheConversionsStillWork) {
  RegisterUnitControls(nullptr);
  UseAxis("mm", 10, 800);
  EXPECT_EQ(FormatPulses(8001), "100.013");  // three decimals, as with nothing chosen
  EXPECT_EQ(AccCodeToText(1000), "1.701");
  RefreshWithLimits(500, 500);
  EXPECT_EQ(RvsLimitPulses, 501);
  EXPECT_EQ(SliderSpan, 1);
  EXPECT_EQ(controls.forward, "");
}

}  // namespace
