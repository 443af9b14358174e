#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FaultOf.h"
#include "axisdata/NumberText.h"

using namespace axisdata;

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {
      {0.5, 0},   {1.5, 2},    {2.5, 2},         {3.5, 4},     {-0.5, 0}, {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {1000.188, 1000}, {100.5, 100}, {-0.4, 0}, {7, 7},
  };
  for (const auto& [x, rounded] : cases) EXPECT_EQ(RoundHalfEven(x), rounded) << x;
}

TEST(RoundHalfEven, ADecimalHalfWithBinaryNoiseCountsAsHalf) {
  const double justBelow = 4000 * (0.7 / 800);  // 3.4999999999999996 in binary
  ASSERT_LT(justBelow, 3.5);
  EXPECT_EQ(RoundHalfEven(justBelow), 4);
  EXPECT_EQ(RoundHalfEven(25000 * (2.032 / 800)), 64);  // 63.500000000000007
}

TEST(RoundToInt32, ResultsBeyondThirtyTwoBitsAreErrors) {
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);
  for (const double x :
       {2147483647.5, -2147483649.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(FaultOf([&] { RoundToInt32(x); }), ConversionFault::OutOfRange) << x;
  }
}

TEST(FormatFixed, LastDigitRoundsHalfAwayFromZero) {
  struct Case {
    double x;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {1.7006802721, 3, "1.701"},
      {53.333333, 2, "53.33"},
      {0.125, 2, "0.13"},
      {-0.125, 2, "-0.13"},
      {1.005, 2, "1.01"},
      {-0.001, 2, "0.00"},
      {0, 1, "0.0"},
      {0.05, 1, "0.1"},
      {7, 3, "7.000"},
      {123456789.25, 1, "123456789.3"},
      {-1600, 2, "-1600.00"},
      {0.0004, 3, "0.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.x, c.decimals), c.text) << c.x;
}

TEST(FormatWhole, NeverWritesMinusZero) {
  EXPECT_EQ(FormatWhole(-0.0), "0");
  EXPECT_EQ(FormatWhole(-3), "-3");
  EXPECT_EQ(FormatWhole(4294967296.0), "4294967296");
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
  const std::pair<double, const char*> cases[] = {
      {2.5, "2.5"},        {0.2 * 3, "0.6"},  {360.0 / 7, "51.4285714285714"}, {-0.0, "0"},
      {-12, "-12"},        {36000, "36000"},  {0.00001, "1e-05"},              {1.885, "1.885"},
      {100.0 / 224, "0.446428571428571"},
  };
  for (const auto& [x, text] : cases) EXPECT_EQ(FormatGeneral(x), text) << x;
}

TEST(FormatSignPlace, BlankWhereTheMinusWouldStand) {
  EXPECT_EQ(FormatSignPlace(50), " 50");
  EXPECT_EQ(FormatSignPlace(0), " 0");
  EXPECT_EQ(FormatSignPlace(-0.0), " 0");
  EXPECT_EQ(FormatSignPlace(-2.5), "-2.5");
}

TEST(ParseNumber, ReadsDecimalNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"100", 100}, {" 1.5 ", 1.5}, {"-2", -2},       {"+3", 3},          {".5", 0.5},
      {"5.", 5},    {"1e3", 1000},  {"1.5E-1", 0.15}, {"\t-0.25", -0.25}, {"007", 7},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseNumber(text), value) << text;
}

TEST(ParseNumber, TextsWithoutANumberAreErrors) {
  for (const char* text : {"", " ", "abc", "1.2.3", "1 2", "--1", "1e", "inf", "nan", "0x10", "1,5",
                           ".", "-", "1e+", "12a"}) {
    EXPECT_EQ(FaultOf([&] { ParseNumber(text); }), ConversionFault::NotANumber)
        << '"' << text << '"';
  }
}

TEST(ParseNumber, NumberBeyondADoubleIsOutOfRange) {
  EXPECT_EQ(FaultOf([] { ParseNumber("1e400"); }), ConversionFault::OutOfRange);
}

}  // namespace
