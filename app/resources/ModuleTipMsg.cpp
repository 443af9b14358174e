#include "resources/ModuleTipMsg.h"

#include "resources/UiText.h"

namespace resources {

void LoadTipMessages(int32_t base) {
  for (int k = 0; k < kTipTextCount; ++k) TipText[k] = ResourceText(base + kFirstTipId + k);
}

}  // namespace resources
