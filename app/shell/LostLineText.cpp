#include "shell/LostLineText.h"

#include "shell/ModuleMain.h"

namespace shell {

namespace {

// Text bases of the string table's Japanese and Chinese blocks.
constexpr int32_t kJapaneseBase = 0;
constexpr int32_t kChineseBase = 2000;

}  // namespace

std::string LostLineText(const std::string& port) {
  // By the language's block of the string table; a language without one reads English.
  const std::optional<int32_t> base = LanguageSetupFor(UiLanguage).textBase;
  if (base == kJapaneseBase) {
    return port + "のシリアル回線が切断され、再度開くことができませんでした。";
  }
  if (base == kChineseBase) return port + "的串行通信线路已断开，无法重新打开。";
  return "The serial line of " + port + " was lost and could not be opened again.";
}

}  // namespace shell
