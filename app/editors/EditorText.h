#pragma once
#include <cstdint>
#include <string>

// Captions, list items and messages of the common-parameter and single-point editors, by index
// 0..349. The table holds one language, filled once at start-up; an unfilled index, or one
// outside the table, reads as the empty text.
namespace editors {

inline constexpr int kEditorTextSize = 350;

const std::string& EditorText(int index);

// Japanese for platform::kLangJapanese; English for every other language id, Chinese included, since the editors
// have no texts of their own in other languages and English is the interface's common fallback.
void FillEditorText(int16_t languageId);

}  // namespace editors
