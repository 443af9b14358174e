#include "resources/UiText.h"

#include "resources/ModuleTipMsg.h"
#include "resources/StringBlocks.h"
#include "resources/StringTable.h"

namespace resources {

std::array<std::string, kUiTextSlots> UiText;
std::array<std::string, kTipTextCount> TipText;

namespace {
const OwnTextBlock* g_ownTexts = &kEnglishOwnTexts;
}  // namespace

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
  g_ownTexts = base == kJapaneseBase ? &kJapaneseOwnTexts
               : base == kChineseBase ? &kChineseOwnTexts
                                      : &kEnglishOwnTexts;
}

std::string Text(Msg id, std::initializer_list<std::string_view> args) {
  const std::string_view form = (*g_ownTexts)[static_cast<int>(id) - 1].text;
  std::string text;
  for (std::size_t i = 0; i < form.size(); ++i) {
    const char next = i + 1 < form.size() ? form[i + 1] : '\0';
    const auto arg = static_cast<std::size_t>(next - '1');
    if (form[i] == '%' && next >= '1' && next <= '9' && arg < args.size()) {
      text += *(args.begin() + arg);
      ++i;
    } else {
      text += form[i];
    }
  }
  return text;
}

}  // namespace resources
