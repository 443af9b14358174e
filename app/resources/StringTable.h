#pragma once

// The user-interface string table: 151 texts per language, Japanese at ids 1-151, Chinese at
// 2001-2151, English at 4001-4151. A language is chosen by adding its base to an id.
namespace resources {

inline constexpr int kTextsPerBlock = 151;
inline constexpr int kJapaneseBase = 0;
inline constexpr int kChineseBase = 2000;
inline constexpr int kEnglishBase = 4000;

// UTF-8 text of a string-table id, or nullptr when the table has no such id.
const char* LoadResString(int id);

}  // namespace resources
