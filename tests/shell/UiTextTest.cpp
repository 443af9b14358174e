#include "resources/UiText.h"

#include <gtest/gtest.h>

#include "resources/StringTable.h"
#include "resources/ModuleTipMsg.h"

using resources::TipText;
using resources::UiText;

namespace {

std::string Res(int id) { return resources::LoadResString(id); }

// A text expected in slot `index` after loading the block at `base`.
struct Case {
  int base;
  int index;
  const char* text;
};

}  // namespace

// Loaded one after another, so a slot left over from the previous language shows too.
TEST(LoadUiText, CopiesTheBlockByIdIntoUiTextAndTipText) {
  for (int base : {0, 2000, 4000}) {
    resources::LoadUiText(base);
    EXPECT_EQ(UiText[0], "");
    for (int id = 1; id <= 151; ++id) {
      const bool tip = id >= 87 && id <= 135;
      EXPECT_EQ(UiText[id], tip ? "" : Res(base + id)) << base + id;
      if (tip) {
        EXPECT_EQ(TipText[id - 87], Res(base + id)) << base + id;
      }
    }
  }
}

TEST(LoadUiText, ReadsAsCallersCiteTheTexts) {
  const Case cases[] = {
      {4000, 42, "Selected COM Port has been used."},
      {4000, 55, "ZEL files (*.zhel)|*.zel"},
      {4000, 151, "All axes' completion of positioning"},
      {2000, 1, "文件(&F)"},
      {2000, 53, "Decimal"},
      {0, 147, "運転中状態モニタ"},
  };
  for (const Case& c : cases) {
    resources::LoadUiText(c.base);
    EXPECT_EQ(UiText[c.index], c.text) << c.base << "+" << c.index;
  }
}

TEST(LoadTipMessages, IndexKIsId87PlusK) {
  const Case cases[] = {
      {4000, 0, "Open the file"},
      {4000, 48, "PVLM: Speed to judge the pusher positioning had comleted or not"},
      {2000, 3, "Upload from MOR-3x"},
      {0, 3, "MOR-3xからアップロード"},
  };
  for (const Case& c : cases) {
    resources::LoadTipMessages(c.base);
    EXPECT_EQ(TipText[c.index], c.text) << c.base << " index " << c.index;
  }
}
