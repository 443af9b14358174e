#include "shell/CSubclass.h"

CSubclass::~CSubclass() {
  if (procOrg_) basSubclass::UnSubclass(*this);
  basSubclass::Unlist(*this);
}

std::int32_t CSubclass::WindowProc(std::int32_t message, std::int32_t wParam,
                                   std::int32_t lParam) {
  const std::int32_t result = callDefaultProc_ ? 1 : 0;
  emit WindowMessage(message, wParam, lParam);
  return result;
}
