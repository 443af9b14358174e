#include "axisdata/Notation.h"

#include <cstdint>

#include "axisdata/ConversionError.h"
#include "axisdata/NumberText.h"
#include "axisdata/TextRoutines.h"
#include "axisdata/Units.h"

namespace axisdata {

std::int16_t DispMode = kHexadecimal;

namespace {

enum class Width { Byte, Int16, Int32 };

Width WidthOf(int type) {
  switch (type) {
    case kByte:
      return Width::Byte;
    case kSpeedCode:
    case kAccCode:
    case kInt16:
    case kHundredths:
    case kSpeedCode16:
      return Width::Int16;
    default:
      return Width::Int32;
  }
}

std::int32_t InRange(std::int32_t value, Width width) {
  const bool fits = width == Width::Byte    ? value >= 0 && value <= 0xFF
                    : width == Width::Int16 ? value >= INT16_MIN && value <= INT16_MAX
                                            : true;
  if (!fits) throw ConversionError(ConversionFault::OutOfRange);
  return value;
}

// 0-15, or -1 for a character that is no hexadecimal digit.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Hexadecimal digits without prefix, at most 32 bits worth (leading zeros aside).
std::uint32_t HexValue(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) throw ConversionError(ConversionFault::NotANumber);
  std::uint64_t value = 0;
  for (const char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) throw ConversionError(ConversionFault::NotANumber);
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > UINT32_MAX) throw ConversionError(ConversionFault::OutOfRange);
  }
  return static_cast<std::uint32_t>(value);
}

std::int32_t ParseHex(std::string_view text, Width width) {
  const std::uint32_t bits = HexValue(text);
  if (width == Width::Int16 && bits <= 0xFFFF) return static_cast<std::int16_t>(bits);
  return InRange(static_cast<std::int32_t>(bits), width);
}

std::int32_t ParseDecimal(std::string_view text, Width width) {
  return InRange(RoundToInt32(ParseNumber(text)), width);
}

}  // namespace

std::string FormatValue(int type, std::int32_t value) {
  if (DispMode == kHexadecimal) return HexText(value);
  if (DispMode == kDecimal) return std::to_string(value);
  const auto word16 = static_cast<std::int16_t>(value);
  switch (type) {
    case kPulses:
      return FormatPulses(value);
    case kSpeedCode:
      return SpeedCodeToText(word16);
    case kAccCode:
      return AccCodeToText(word16);
    case kHundredths:
      return FormatFixed(value / 100.0, 2);
    case kSpeedCode16:
      return SpeedCodeToText(word16 * 16.0);
    default:
      return std::to_string(value);
  }
}

std::int32_t ParseValue(int type, std::string_view text) {
  const Width width = WidthOf(type);
  if (DispMode == kHexadecimal) return ParseHex(text, width);
  if (DispMode == kDecimal) return ParseDecimal(text, width);
  switch (type) {
    case kPulses:
      return UnitToPulses(text);
    case kSpeedCode:
      return InRange(TextToSpeedCode(text), width);
    case kAccCode:
      return InRange(TextToAccCode(text), width);
    case kHundredths:
      return InRange(RoundToInt32(ParseNumber(text) * 100), width);
    case kSpeedCode16:
      return InRange(RoundToInt32(TextToSpeedCode(text) / 16.0), width);
    default:
      return ParseDecimal(text, width);
  }
}

}  // namespace axisdata
