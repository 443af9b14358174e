// Keeps exceptions inside the library: an export that meets one reports failure instead.
#pragma once

#include <cstdint>

namespace klvn {

template <class Body>
std::int32_t contained(Body&& body, std::int32_t on_failure = 0) noexcept {
  try {
    return body();
  } catch (...) {
    return on_failure;
  }
}

}  // namespace klvn
