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

// Restores the notation and the decimal sign a test sets.
class CellKeyTest : public testing::Test {
 protected:
  void TearDown() override {
    axisdata::DispMode = axisdata::kHexadecimal;
    platform::SetDecimalSign('.');
  }
};

class CellCharacter : public CellKeyTest, public testing::WithParamInterface<KeyCase> {};

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

// The point key of the grid's cells: the decimal sign in use where the cells show user units,
// as in the editors' number boxes; the other notations take no decimals.
struct PointCase {
  const char* name;
  std::int16_t notation;
  char decimalSign;
  char32_t typed;
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << c.name; }

class PointKey : public CellKeyTest, public testing::WithParamInterface<PointCase> {};

TEST_P(PointKey, TypesTheDecimalSignInUserUnits) {
  const PointCase& c = GetParam();
  axisdata::DispMode = c.notation;
  platform::SetDecimalSign(c.decimalSign);
  EXPECT_EQ(editors::DecimalPointAsSign(U'.'), c.typed);
  EXPECT_EQ(editors::DecimalPointAsSign(U'5'), U'5');
}

INSTANTIATE_TEST_SUITE_P(
    Notations, PointKey,
    testing::Values(PointCase{"UnitsCommaSign", axisdata::kUserUnits, ',', U','},
                    PointCase{"UnitsPointSign", axisdata::kUserUnits, '.', U'.'},
                    PointCase{"DecimalCommaSign", axisdata::kDecimal, ',', U'.'},
                    PointCase{"HexCommaSign", axisdata::kHexadecimal, ',', U'.'}),
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
