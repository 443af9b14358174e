#include "platform/DecimalSign.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<char> g_sign{'.'};
}

char DecimalSign() { return g_sign.load(std::memory_order_relaxed); }

void SetDecimalSign(char sign) { g_sign.store(sign, std::memory_order_relaxed); }

std::string ApplyDecimalSign(std::string text) {
  const char sign = DecimalSign();
  if (sign != '.') {
    for (char& c : text) {
      if (c == '.') c = sign;
    }
  }
  return text;
}

char32_t PointAsDecimalSign(char32_t c) {
  return c == U'.' ? static_cast<char32_t>(DecimalSign()) : c;
}

}  // namespace platform
