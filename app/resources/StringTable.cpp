#include "resources/StringTable.h"

#include "resources/StringBlocks.h"

namespace resources {

namespace {
struct Block {
  int base;
  const TextBlock* texts;
};
constexpr Block kBlocks[] = {
    {kJapaneseBase, &kJapaneseTexts},
    {kChineseBase, &kChineseTexts},
    {kEnglishBase, &kEnglishTexts},
};
}  // namespace

const char* LoadResString(int id) {
  for (const Block& block : kBlocks) {
    const int local = id - block.base;
    if (local < 1 || local > kTextsPerBlock) continue;
    const char* text = (*block.texts)[local - 1].text;
    return text == kEnglishWording ? kEnglishTexts[local - 1].text : text;
  }
  return nullptr;
}

}  // namespace resources
