#include "editors/KavCellKeys.h"

#include "axisdata/Notation.h"
#include "platform/DecimalSign.h"

namespace editors {

namespace {

constexpr int kMainMinusKey = 189;
constexpr int kKeypadMinusKey = 109;

// Full-width forms of "!" to "~" lie this far above the characters themselves.
constexpr char32_t kFirstFullWidth = 0xFF01;
constexpr char32_t kLastFullWidth = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

struct Lengths {
  int hexadecimal;
  int otherwise;
};

Lengths ColumnLengths(int col) {
  switch (col) {
    case 1:
    case 3: return {8, 11};  // 32-bit words
    case 2:
    case 6:
    case 7:
    case 9:
    case 10: return {2, 3};  // bytes
    case 4:
    case 11:
    case 12:
    case 13: return {4, 5};  // 16-bit codes
    case 5: return {3, 4};
    default: return {1, 2};
  }
}

}  // namespace

bool IsValidKeyChar(char32_t c) {
  switch (axisdata::DispMode) {
    case axisdata::kHexadecimal:
      return IsDigit(c) || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F');
    case axisdata::kDecimal: return IsDigit(c);
    case axisdata::kUserUnits:
      return IsDigit(c) || c == static_cast<char32_t>(platform::DecimalSign());
    default: return false;
  }
}

char32_t DecimalPointAsSign(char32_t c) {
  return axisdata::DispMode == axisdata::kUserUnits ? platform::PointAsDecimalSign(c) : c;
}

bool IsMinusKey(int keyCode) {
  return axisdata::DispMode != axisdata::kHexadecimal &&
         (keyCode == kMainMinusKey || keyCode == kKeypadMinusKey);
}

int EditMaxLength(int col) {
  const Lengths lengths = ColumnLengths(col);
  return axisdata::DispMode == axisdata::kHexadecimal ? lengths.hexadecimal : lengths.otherwise;
}

char32_t NarrowForm(char32_t c) {
  return c >= kFirstFullWidth && c <= kLastFullWidth ? c - kFullWidthOffset : c;
}

}  // namespace editors
