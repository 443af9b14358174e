#include "editors/EditorText.h"

#include <array>

#include "editors/EditorTextTables.h"
#include "platform/SystemLang.h"

namespace editors {

namespace {
std::array<std::string, kEditorTextSize> g_texts;
const std::string g_empty;
}  // namespace

const std::string& EditorText(EditorTxt id) {
  const int index = static_cast<int>(id);
  return index >= 0 && index < kEditorTextSize ? g_texts[index] : g_empty;
}

void FillEditorText(int16_t languageId) {
  g_texts.fill({});
  const auto rows =
      languageId == platform::kLangJapanese ? kJapaneseEditorTexts : kEnglishEditorTexts;
  for (const EditorTextRow& row : rows) g_texts[static_cast<int>(row.id)] = row.text;
}

}  // namespace editors
