#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Numbers to and from texts with the process-wide decimal sign, and the program's rounding.
//
// Doubles carry binary noise (1 / 800 * 2000 is not exactly 2.5), so every rounding first takes
// the value to 15 significant digits and then rounds that decimal number. A value that reads as
// an exact half in decimal is therefore treated as a half.
namespace axisdata {

// text without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view text);

// Reads a decimal number written with the process-wide decimal sign: blanks around it, an
// optional sign, digits with at most one decimal sign, an optional exponent ("-1,5E3").
// A point is not accepted while the sign is ',' (it may be meant as a thousands mark).
// Throws ConversionError: NotANumber, or OutOfRange for a number beyond what a double holds.
double ParseNumber(std::string_view text);

// x taken to 15 significant digits, the precision a double holds for sure: x written as
// decimal text and read back.
double FifteenDigits(double x);

// The whole number nearest to x, halves to the even neighbour.
double RoundHalfEven(double x);

// RoundHalfEven as a signed 32-bit value; throws ConversionError(OutOfRange) beyond it.
std::int32_t RoundToInt32(double x);

// x with exactly `decimals` digits after the decimal sign and at least one before it (the
// formats "#0.00", "##0.00", "#########0.0" ...). The last digit rounds half away from zero, as
// people round a shown figure: 0.125 -> "0.13". A result of zero never carries a minus sign.
std::string FormatFixed(double x, int decimals);

// A whole-numbered x as decimal digits ("-3", never "-0").
std::string FormatWhole(double x);

// x with up to 15 significant digits and no trailing zeros, the way a number is written out
// without a format ("2.5", "0.6" for 0.2 x 3, "51.4285714285714"); an exponent only where fixed
// notation would need more digits ("1e-05"). Never "-0".
std::string FormatGeneral(double x);

// FormatGeneral with a blank in front of a value that is not negative, where a minus would
// stand (" 2.5", "-2.5").
std::string FormatSignPlace(double x);

}  // namespace axisdata
