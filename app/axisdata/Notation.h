#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Point-table cell texts in the notation the user picked for the whole table.
namespace axisdata {

// The notations; DispMode holds one (any other value reads as user units).
enum Notation : std::int16_t {
  kHexadecimal = 0,
  kDecimal = 1,
  kUserUnits = 2,  // "Application Oriented"
};
extern std::int16_t DispMode;

// Value types the grid gives per column.
enum ValueType : int {
  kRawWord = 0,
  kPulses = 1,
  kSpeedCode = 2,
  kAccCode = 3,
  kByte = 4,
  kInt16 = 5,
  kInt32 = 6,
  kHundredths = 7,   // time in 0.01 s
  kSpeedCode16 = 8,  // speed in steps of 16 speed codes
};

// A stored word as the text of a cell. In user units, types 2, 3 and 8 take the word as 16-bit
// (its low 16 bits); type 8 shows the speed of every 16-bit word, the product with 16 is not
// held to 16 bits. Type 3 in user units sets the acceleration unit labels.
std::string FormatValue(int type, std::int32_t value);

// An edited cell text as a word: 16-bit types sign-extended, bytes 0-255. Throws ConversionError
// for a text that is no number in the notation, a value outside the type's range, or lead 0.
// Hexadecimal 16-bit texts are read as a bit pattern ("FFFF" is -1) or as a sign-extended word
// ("FFFF8000" is -32768), so every 16-bit word shown reads back unchanged.
std::int32_t ParseValue(int type, std::string_view text);

}  // namespace axisdata
