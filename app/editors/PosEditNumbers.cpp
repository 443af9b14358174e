#include "editors/PosEditNumbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "axisdata/ConversionError.h"
#include "axisdata/NumberText.h"
#include "axisdata/Units.h"

namespace editors {

using axisdata::ConversionError;

std::optional<double> NumberIn(std::string_view text) {
  try {
    return axisdata::ParseNumber(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

double CodeOrEnd(std::string_view text, std::int32_t (*convert)(std::string_view)) {
  try {
    return convert(text);
  } catch (const ConversionError& error) {
    if (error.fault() != axisdata::ConversionFault::OutOfRange) return 0;
    const bool negative = axisdata::TrimBlanks(text).starts_with('-');
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
}

std::int32_t SaturateToInt32(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(axisdata::RoundHalfEven(x), kLowest, kHighest));
}

double LimitSpan() {
  return std::fabs(static_cast<double>(axisdata::RvsLimitPulses) - axisdata::FwdLimitPulses);
}

}  // namespace editors
