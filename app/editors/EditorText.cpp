#include "editors/EditorText.h"

#include <array>

#include "editors/EditorTextTables.h"
#include "platform/SystemLang.h"

namespace editors {

namespace {
std::array<std::string, kEditorTextSize> g_texts;
const std::string g_empty;
}  // namespace

const std::string& EditorText(int index) {
  return index >= 0 && index < kEditorTextSize ? g_texts[index] : g_empty;
}

void FillEditorText(int16_t languageId) {
  g_texts.fill({});
  const auto rows = languageId == platform::kLangJapanese ? kJapaneseEditorTexts : kEnglishEditorTexts;
  for (const EditorTextRow& row : rows) g_texts[row.index] = row.text;
}

}  // namespace editors
