#include "shell/ModuleTipMsg.h"

#include "shell/UiText.h"

namespace shell {

void LoadTipMessages(int32_t base) {
  for (int k = 0; k < kTipTextCount; ++k) TipText[k] = ResourceText(base + kFirstTipId + k);
}

}  // namespace shell
