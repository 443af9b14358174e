#pragma once
#include <string>

// The process-wide decimal sign. Every number text the program formats or parses goes through
// it, never through the C locale, so the European setting can switch it to ',' for the whole run.
namespace platform {

char DecimalSign();
void SetDecimalSign(char sign);

// "1.5" -> "1,5" when the sign is ','.
std::string ApplyDecimalSign(std::string text);

// What a "." the user types or pastes into a number stands for: the decimal sign in use, so
// "1.5" typed where the sign is "," keeps its point. Any other character unchanged.
char32_t PointAsDecimalSign(char32_t c);

}  // namespace platform
