#pragma once
#include <span>

#include "editors/EditorText.h"

// The editors' texts of each language, as (id, text) rows.
namespace editors {

struct EditorTextRow {
  EditorTxt id;
  const char* text;
};

extern const std::span<const EditorTextRow> kJapaneseEditorTexts;
extern const std::span<const EditorTextRow> kEnglishEditorTexts;

}  // namespace editors
