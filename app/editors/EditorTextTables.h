#pragma once
#include <span>

// The editors' texts of each language, as (index, text) rows.
namespace editors {

struct EditorTextRow {
  int index;
  const char* text;
};

extern const std::span<const EditorTextRow> kJapaneseEditorTexts;
extern const std::span<const EditorTextRow> kEnglishEditorTexts;

}  // namespace editors
