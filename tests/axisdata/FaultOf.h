#pragma once
#include <optional>

#include "axisdata/ConversionError.h"

// The fault a call throws, or nothing when it succeeds.
template <class Call>
std::optional<axisdata::ConversionFault> FaultOf(Call&& call) {
  try {
    call();
  } catch (const axisdata::ConversionError& e) {
    return e.fault();
  }
  return std::nullopt;
}
