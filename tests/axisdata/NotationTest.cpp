#include <gtest/gtest.h>

#include <climits>

#include "FaultOf.h"
#include "UnitStateFixture.h"
#include "axisdata/Notation.h"

using namespace axisdata;

namespace {

class Notation : public UnitStateTest {
 protected:
  void SetUp() override {
    UnitStateTest::SetUp();
    UseAxis("mm", 10, 800);
    controls.decimals = 2;
  }
};

struct FormatCase {
  int mode;
  int type;
  std::int32_t value;
  const char* text;
};

TEST_F(Notation, FormatValue) {
  const FormatCase cases[] = {
      {0, kRawWord, -1, "FFFFFFFF"},
      {0, kByte, 255, "FF"},
      {0, kSpeedCode, 0, "0"},
      {0, kPulses, 0x7FFFFFFF, "7FFFFFFF"},
      {1, kPulses, -5, "-5"},
      {1, kHundredths, 150, "150"},
      {2, kHundredths, 150, "1.50"},
      {2, kHundredths, -5, "-0.05"},
      {2, kSpeedCode16, 100, "53.33"},     // speed code 1600
      {2, kSpeedCode16, 3000, "1600.00"},  // beyond 16-bit products: the true speed
      {2, kSpeedCode16, -2049, "-1092.80"},
      {2, kPulses, 8000, "100.00"},
      {2, kSpeedCode, 1500, "50.00"},
      {2, kSpeedCode, 0x10000 + 1500, "50.00"},  // taken as 16-bit
      {2, kSpeedCode, 0xFFFF, "-0.03"},          // -1 as 16-bit
      {2, kAccCode, 1000, "1.701"},
      {2, kByte, 200, "200"},
      {2, kRawWord, -7, "-7"},
      {5, kHundredths, 150, "1.50"},  // any other notation acts as user units
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.type << " " << c.value);
    DispMode = static_cast<std::int16_t>(c.mode);
    EXPECT_EQ(FormatValue(c.type, c.value), c.text);
  }
  EXPECT_EQ(controls.accUnit, "G");
}

struct ParseCase {
  int mode;
  int type;
  const char* text;
  std::int32_t value;
};

TEST_F(Notation, ParseValue) {
  const ParseCase cases[] = {
      {0, kByte, "FF", 255},
      {0, kByte, "ff", 255},
      {0, kByte, "0000FF", 255},
      {0, kInt16, "8000", -32768},
      {0, kInt16, "FFFF", -1},
      {0, kInt16, "FFFF8000", -32768},  // a sign-extended word reads back
      {0, kSpeedCode, "7FFF", 32767},
      {0, kInt32, "FFFFFFFF", -1},
      {0, kPulses, "80000000", INT_MIN},
      {0, kRawWord, " 1A ", 26},
      {1, kSpeedCode, "-32768", -32768},
      {1, kByte, "255", 255},
      {1, kInt32, "-2147483648", INT_MIN},
      {1, kInt32, "2.5", 2},
      {1, kInt32, "3.5", 4},
      {2, kHundredths, "1.5", 150},
      {2, kHundredths, "1.15", 115},
      {2, kPulses, "100", 8000},
      {2, kSpeedCode, "50", 1500},
      {2, kAccCode, "1.701", 1000},
      {2, kSpeedCode16, "53.33", 100},
      {2, kSpeedCode16, "1600", 3000},
      {2, kByte, "255", 255},
      {2, kInt16, "-32768", -32768},
      {2, kRawWord, "-7", -7},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.type << " " << c.text);
    DispMode = static_cast<std::int16_t>(c.mode);
    EXPECT_EQ(ParseValue(c.type, c.text), c.value);
  }
}

struct FaultCase {
  int mode;
  int type;
  const char* text;
  ConversionFault fault;
};

TEST_F(Notation, ParseValueErrors) {
  using enum ConversionFault;
  const FaultCase cases[] = {
      {0, kByte, "100", OutOfRange},
      {0, kByte, "FFFFFFFF", OutOfRange},
      {0, kSpeedCode, "10000", OutOfRange},
      {0, kInt16, "FFFF7FFF", OutOfRange},
      {0, kInt32, "1FFFFFFFF", OutOfRange},
      {0, kInt32, "", NotANumber},
      {0, kInt32, "G1", NotANumber},
      {0, kInt32, "-1", NotANumber},
      {0, kInt32, "&HFF", NotANumber},
      {1, kSpeedCode, "40000", OutOfRange},
      {1, kByte, "256", OutOfRange},
      {1, kByte, "-1", OutOfRange},
      {1, kByte, "255.5", OutOfRange},
      {1, kInt32, "2147483648", OutOfRange},
      {1, kInt32, "FF", NotANumber},
      {2, kHundredths, "327.68", OutOfRange},
      {2, kHundredths, "x", NotANumber},
      {2, kSpeedCode, "10000", OutOfRange},  // 300000 speed codes do not fit the word
      {2, kAccCode, "60", OutOfRange},
      {2, kSpeedCode16, "20000", OutOfRange},
      {2, kPulses, "1e9", OutOfRange},
      {2, kByte, "300", OutOfRange},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.type << " " << c.text);
    DispMode = static_cast<std::int16_t>(c.mode);
    EXPECT_EQ(FaultOf([&] { ParseValue(c.type, c.text); }), c.fault);
  }
}

TEST_F(Notation, UserUnitsWithZeroLeadAreAnError) {
  Lead = 0;
  DispMode = 2;
  for (const int type : {kPulses, kSpeedCode, kAccCode, kSpeedCode16}) {
    EXPECT_EQ(FaultOf([&] { ParseValue(type, "5"); }), ConversionFault::ZeroLead) << type;
  }
  EXPECT_EQ(ParseValue(kHundredths, "5"), 500);
}

// A grid filled and stored again keeps every word that fits its column's type.
TEST_F(Notation, WordsReadBackUnchanged) {
  const std::pair<int, std::int32_t> words[] = {
      {kByte, 0},          {kByte, 255},       {kSpeedCode, -1}, {kSpeedCode, -32768},
      {kSpeedCode, 32767}, {kAccCode, -2},     {kInt16, -32768}, {kHundredths, -1},
      {kSpeedCode16, -1},  {kPulses, INT_MIN}, {kPulses, -1},    {kPulses, INT_MAX},
      {kInt32, INT_MIN},   {kRawWord, -1},
  };
  for (const int mode : {0, 1}) {
    DispMode = static_cast<std::int16_t>(mode);
    for (const auto& [type, word] : words) {
      EXPECT_EQ(ParseValue(type, FormatValue(type, word)), word)
          << mode << " " << type << " " << word;
    }
  }
  DispMode = 2;
  for (const std::int32_t word : {-2048, -1, 0, 100, 2047, 3000, -32768, 32767}) {
    EXPECT_EQ(ParseValue(kSpeedCode16, FormatValue(kSpeedCode16, word)), word) << word;
  }
}

}  // namespace
