// With the European setting the decimal sign is ',' for the whole run: every routine that writes
// or reads a number text uses it, and a '.' is no decimal sign then.
#include <gtest/gtest.h>

#include "FaultOf.h"
#include "UnitStateFixture.h"
#include "axisdata/NumberText.h"

using namespace axisdata;

namespace {

class CommaSign : public UnitStateTest {
 protected:
  void SetUp() override {
    UnitStateTest::SetUp();
    platform::SetDecimalSign(',');
    UseAxis("mm", 10, 800);
    controls.decimals = 2;
  }
};

TEST_F(CommaSign, FormattingWritesTheComma) {
  EXPECT_EQ(FormatPulses(8000), "100,00");
  EXPECT_EQ(SpeedCodeToText(1500), "50,00");
  EXPECT_EQ(AccCodeToText(1000), "1,701");
  EXPECT_EQ(FormatGeneral(-2.5), "-2,5");
  DispMode = 2;
  EXPECT_EQ(FormatValue(kHundredths, 150), "1,50");
  EXPECT_EQ(FormatValue(kSpeedCode16, 100), "53,33");

  RefreshWithLimits(-8, 8008);
  EXPECT_EQ(controls.forward, "-0,10");
  EXPECT_EQ(controls.reverse, "100,10");
  EXPECT_EQ(controls.stroke, "100,20");
}

TEST_F(CommaSign, ParsingReadsTheComma) {
  EXPECT_DOUBLE_EQ(ParseNumber(" 1,5 "), 1.5);
  EXPECT_DOUBLE_EQ(ParseNumber("-1,5E1"), -15);
  EXPECT_EQ(UnitToPulses("1,5"), 120);
  EXPECT_EQ(TextToSpeedCode("50,00"), 1500);
  EXPECT_EQ(TextToAccCode("1,701"), 1000);
  DispMode = 2;
  EXPECT_EQ(ParseValue(kHundredths, "1,5"), 150);
  DispMode = 1;
  EXPECT_EQ(ParseValue(kInt32, "2,5"), 2);
}

TEST_F(CommaSign, APointIsNoNumber) {
  EXPECT_EQ(FaultOf([] { ParseNumber("1.5"); }), ConversionFault::NotANumber);
  EXPECT_EQ(FaultOf([] { UnitToPulses("1.500"); }), ConversionFault::NotANumber);
  EXPECT_EQ(FaultOf([] { TextToAccCode("1.701"); }), ConversionFault::NotANumber);
  DispMode = 2;
  EXPECT_EQ(FaultOf([] { ParseValue(kHundredths, "1.5"); }), ConversionFault::NotANumber);
}

}  // namespace
