#pragma once
#include <array>

#include "resources/StringTable.h"

// The three language blocks. Each entry carries its id (without the block base) so the
// compiler can check that every block holds ids 1..151 in order, with no gap and no shift.
namespace resources {

struct ResText {
  int id;
  const char* text;
};

using TextBlock = std::array<ResText, kTextsPerBlock>;

// Marks an entry that carries the English block's wording for the same id, so the wording
// exists once and cannot drift between the blocks.
inline constexpr char kEnglishWording[] = "";

// The program's own messages (resources::Msg), in the same order in every language.
inline constexpr int kOwnTextCount = 27;
using OwnTextBlock = std::array<ResText, kOwnTextCount>;

constexpr bool HasEveryIdInOrder(const OwnTextBlock& block) {
  for (int i = 0; i < kOwnTextCount; ++i) {
    if (block[i].id != i + 1) return false;
  }
  return true;
}

extern const OwnTextBlock kJapaneseOwnTexts;
extern const OwnTextBlock kChineseOwnTexts;
extern const OwnTextBlock kEnglishOwnTexts;

extern const TextBlock kJapaneseTexts;
extern const TextBlock kChineseTexts;
extern const TextBlock kEnglishTexts;

constexpr bool HasEveryIdInOrder(const TextBlock& block) {
  for (int i = 0; i < kTextsPerBlock; ++i) {
    if (block[i].id != i + 1) return false;
  }
  return true;
}

}  // namespace resources
