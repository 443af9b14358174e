#pragma once
#include <string>

// The process-wide decimal sign. Every number text the program formats or parses goes through
// it, never through the C locale, so the European setting can switch it to ',' for the whole run.
namespace platform {

char DecimalSign();
void SetDecimalSign(char sign);

// "1.5" -> "1,5" when the sign is ','.
std::string ApplyDecimalSign(std::string text);

}  // namespace platform
