#include "resources/UiText.h"

#include "resources/StringTable.h"
#include "resources/ModuleTipMsg.h"

namespace resources {

std::array<std::string, kUiTextSlots> UiText;
std::array<std::string, kTipTextCount> TipText;

std::string ResourceText(int32_t id) {
  const char* text = LoadResString(id);
  return text ? text : "";
}

void LoadUiText(int32_t base) {
  for (int id = 1; id < kUiTextSlots; ++id) {
    const bool isTip = id >= kFirstTipId && id < kFirstTipId + kTipTextCount;
    if (!isTip) UiText[id] = ResourceText(base + id);
  }
  LoadTipMessages(base);
}

}  // namespace resources
