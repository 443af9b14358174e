#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// How the single-point editor reads the numbers in its boxes (a typed text that is no number is
// refused before): a value beyond what the conversion holds stands for the end of its side, so
// the row's clamp takes it to the slider's end instead of failing.
namespace editors {

// The number in a text (with the process-wide decimal sign), or nothing.
std::optional<double> NumberIn(std::string_view text);

inline bool IsNumber(std::string_view text) { return NumberIn(text).has_value(); }
inline double NumberOrZero(std::string_view text) { return NumberIn(text).value_or(0); }

// convert(text) (a conversion of Units.h); beyond 32 bits minus or plus infinity by the text's
// sign, and 0 for a text that is no number.
double CodeOrEnd(std::string_view text, std::int32_t (*convert)(std::string_view));

// x rounded (halves to even) and held within the signed 32-bit range.
std::int32_t SaturateToInt32(double x);

// R, the span of the current axis's soft limits: a relative move goes from -R to R.
double LimitSpan();

}  // namespace editors
