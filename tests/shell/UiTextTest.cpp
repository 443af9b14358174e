#include "resources/UiText.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/ModuleTipMsg.h"
#include "resources/StringBlocks.h"
#include "resources/StringTable.h"

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

// The program's own messages: every language has each, with the same places for what is put in.
TEST(OwnMessages, EveryLanguageHasEachWithTheSamePlaces) {
  const auto places = [](const std::string& text) {
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found += text[i + 1];
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  for (int id = 1; id <= resources::kOwnTextCount; ++id) {
    const auto msg = static_cast<resources::Msg>(id);
    resources::LoadUiText(resources::kEnglishBase);
    const std::string english = resources::Text(msg);
    for (int base : {resources::kJapaneseBase, resources::kChineseBase}) {
      resources::LoadUiText(base);
      const std::string text = resources::Text(msg);
      EXPECT_FALSE(text.empty()) << base << " " << id;
      EXPECT_NE(text, english) << base << " " << id;
      EXPECT_EQ(places(text), places(english)) << base << " " << id;
    }
  }
  resources::LoadUiText(resources::kEnglishBase);
}

TEST(OwnMessages, ReadInTheLoadedLanguageWithWhatIsPutIn) {
  using resources::Msg;
  const struct {
    int base;
    Msg id;
    const char* text;
  } cases[] = {
      {resources::kEnglishBase, Msg::NotTransferredAxes, "Not transferred: axes 1, 2."},
      {resources::kJapaneseBase, Msg::NotTransferredAxes, "転送されませんでした: 軸 1, 2。"},
      {resources::kChineseBase, Msg::NotTransferredAxes, "未传送：轴 1, 2。"},
      {resources::kJapaneseBase, Msg::ErrPermission, "アクセスが拒否されました"},
      {resources::kChineseBase, Msg::ErrPermission, "权限不足"},
  };
  for (const auto& c : cases) {
    resources::LoadUiText(c.base);
    EXPECT_EQ(resources::Text(c.id, {"1, 2"}), c.text) << c.base;
  }
  resources::LoadUiText(resources::kEnglishBase);
  EXPECT_EQ(resources::Text(Msg::CsvLongCell, {"3", "64", "x"}),
            "line 3 holds a cell of more than 64 characters (\"x\").");
}
