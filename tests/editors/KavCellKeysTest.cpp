#include "editors/KavCellKeys.h"

#include <gtest/gtest.h>

#include "axisdata/Notation.h"
#include "platform/DecimalSign.h"

namespace {

struct KeyCase {
  const char* name;
  std::int16_t notation;
  char decimalSign;
  char32_t c;
  bool taken;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class CellCharacter : public testing::TestWithParam<KeyCase> {
 protected:
  void TearDown() override {
    axisdata::DispMode = axisdata::kHexadecimal;
    platform::SetDecimalSign('.');
  }
};

TEST_P(CellCharacter, IsTakenByNotation) {
  const KeyCase& c = GetParam();
  axisdata::DispMode = c.notation;
  platform::SetDecimalSign(c.decimalSign);
  EXPECT_EQ(editors::IsValidKeyChar(c.c), c.taken);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, CellCharacter,
    testing::Values(KeyCase{"HexLowerDigit", axisdata::kHexadecimal, '.', U'f', true},
                    KeyCase{"HexBeyondF", axisdata::kHexadecimal, '.', U'G', false},
                    KeyCase{"HexPoint", axisdata::kHexadecimal, '.', U'.', false},
                    KeyCase{"DecimalLetter", axisdata::kDecimal, '.', U'A', false},
                    KeyCase{"DecimalDigit", axisdata::kDecimal, '.', U'9', true},
                    KeyCase{"UnitsPoint", axisdata::kUserUnits, '.', U'.', true},
                    KeyCase{"UnitsCommaSign", axisdata::kUserUnits, ',', U',', true},
                    KeyCase{"UnitsPointBesideACommaSign", axisdata::kUserUnits, ',', U'.', false},
                    KeyCase{"UnknownNotation", 3, '.', U'1', false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellKeys, MinusKeysOutsideHexadecimalOnly) {
  axisdata::DispMode = axisdata::kHexadecimal;
  EXPECT_FALSE(editors::IsMinusKey(189));
  axisdata::DispMode = axisdata::kUserUnits;
  EXPECT_TRUE(editors::IsMinusKey(189));
  EXPECT_TRUE(editors::IsMinusKey(109));
  EXPECT_FALSE(editors::IsMinusKey(45));  // Insert, whose code is the character "-"
  axisdata::DispMode = axisdata::kHexadecimal;
}

TEST(CellKeys, FullWidthFormsNarrow) {
  EXPECT_EQ(editors::NarrowForm(U'\uFF17'), U'7');
  EXPECT_EQ(editors::NarrowForm(U'\uFF21'), U'A');
  EXPECT_EQ(editors::NarrowForm(U'\uFF0E'), U'.');
  EXPECT_EQ(editors::NarrowForm(U'7'), U'7');
  EXPECT_EQ(editors::NarrowForm(U'\u3042'), U'\u3042');
}

}  // namespace
