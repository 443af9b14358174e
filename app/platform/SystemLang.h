#pragma once
#include <cstdint>

namespace platform {

// Language ids, in the numbering the program's language table uses.
inline constexpr int16_t kLangEnglish = 1033;
inline constexpr int16_t kLangJapanese = 1041;
inline constexpr int16_t kLangChinese = 1028;            // the string table's Chinese block
inline constexpr int16_t kLangChineseSimplified = 2052;  // has fonts, but no texts of its own
inline constexpr int16_t kLangKorean = 1042;
inline constexpr int16_t kLangEuropean = 1040;  // Italian's id: English texts, comma decimal sign
inline constexpr int16_t kLangGerman = 1031;
inline constexpr int16_t kLangFrench = 1036;
inline constexpr int16_t kLangSpanish = 3082;
inline constexpr int16_t kLangPortugueseBrazil = 1046;
inline constexpr int16_t kLangPortuguese = 2070;
inline constexpr int16_t kLangDutch = 1043;
inline constexpr int16_t kLangRussian = 1049;
inline constexpr int16_t kLangPolish = 1045;
inline constexpr int16_t kLangSwedish = 1053;
inline constexpr int16_t kLangCzech = 1029;

// The system's default language id, derived from LC_ALL, LC_MESSAGES and LANG (first one set).
int16_t SystemDefaultLangId();

}  // namespace platform
