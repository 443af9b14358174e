#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using resources::LoadResString;

namespace {

constexpr int kJa = resources::kJapaneseBase;
constexpr int kZh = resources::kChineseBase;
constexpr int kEn = resources::kEnglishBase;

std::string Res(int id) {
  const char* text = LoadResString(id);
  return text ? text : "<missing>";
}

// "(&F)" of a menu caption, or empty.
std::string AccessKey(const std::string& s) {
  const size_t at = s.find("(&");
  return at == std::string::npos ? "" : s.substr(at, 4);
}

bool EndsWithDots(const std::string& s) { return s.ends_with("..."); }

}  // namespace

TEST(StringTable, EveryIdExistsInAllThreeBlocksAndNoOther) {
  for (int base : {kJa, kZh, kEn}) {
    for (int id = 1; id <= resources::kTextsPerBlock; ++id) {
      const char* text = LoadResString(base + id);
      ASSERT_NE(text, nullptr) << base + id;
      EXPECT_STRNE(text, "") << base + id;
    }
  }
  for (int id : {-1, 0, 152, 1999, 2000, 2152, 4000, 4152, 6001}) {
    EXPECT_EQ(LoadResString(id), nullptr) << id;
  }
}

TEST(StringTable, TellingRowsInThreeLanguages) {
  struct Row {
    int id;
    const char* ja;
    const char* zh;
    const char* en;
  };
  const Row rows[] = {
      {1, "ファイル(&F)", "文件(&F)", "File(&F)"},
      {11, "ゲートウェイからアップロード(&U)...", "从MOR-3x上传(&U)", "Upload from Gateway(&U)..."},
      {12, "ゲートウェイへダウンロード(&D)...", "从MOR-3x下载(&D)", "Download To Gateway(&D)..."},
      {30, "新規作成", "新建", "Create New"},
      {42, "指定されたCOMポートは、既に使用中です。", "指定的COM接口正在使用中。",
       "Selected COM Port has been used."},
      {47, "オフライン", "Offline", "Offline"},
      {49, "1 : ON", "1 : ON", "1 : ON"},
      {50, "0 : OFF", "0 : OFF", "0 : OFF"},
      {52, "16進数", "Hexadecimal", "Hexadecimal"},
      {54, "アプリケーション単位", "Application Oriented", "Application Oriented"},
      {55, "ZELファイル (*.zhel)|*.zel", "ZEL文件 (*.zhel)|*.zel", "ZEL files (*.zhel)|*.zel"},
      {58, " ファイルが存在しません。", " 文件不存在。", " file isn't exist."},
      {71, "は、変更されています。保存しますか。", "内容被变更,是否保存?。",
       "This file has been changed, do you want to save it?"},
      {138, "正常 : ", "正常 : ", "Normal : "},
      {147, "運転中状態モニタ", "在线监视运行状态", "Run Status Monitor"},
      {148, "ポジション番号", "Popsition No.", "Popsition No."},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Res(kJa + r.id), r.ja) << r.id;
    EXPECT_EQ(Res(kZh + r.id), r.zh) << r.id;
    EXPECT_EQ(Res(kEn + r.id), r.en) << r.id;
  }
}

TEST(StringTable, EnglishWordingOnlyWhereEachBlockKeepsIt) {
  std::set<int> chineseInEnglish = {16, 17, 18, 19, 24, 25, 148, 149, 150, 151};
  for (int id = 47; id <= 54; ++id) chineseInEnglish.insert(id);
  for (int id = 77; id <= 111; ++id) chineseInEnglish.insert(id);
  for (int id = 113; id <= 122; ++id) chineseInEnglish.insert(id);
  const std::set<int> japaneseInEnglish = {49, 50};

  for (int id = 1; id <= resources::kTextsPerBlock; ++id) {
    const std::string en = Res(kEn + id);
    EXPECT_EQ(Res(kZh + id) == en, chineseInEnglish.contains(id)) << "Chinese id " << id;
    EXPECT_EQ(Res(kJa + id) == en, japaneseInEnglish.contains(id)) << "Japanese id " << id;
  }
}

TEST(StringTable, TranslationsKeepAccessKeysDotsLineBreaksAndEdgeBlanks) {
  for (int id = 1; id <= resources::kTextsPerBlock; ++id) {
    const std::string en = Res(kEn + id);
    for (int base : {kJa, kZh}) {
      const std::string t = Res(base + id);
      SCOPED_TRACE("id " + std::to_string(base + id));
      EXPECT_EQ(AccessKey(t), AccessKey(en));
      EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), std::count(en.begin(), en.end(), '\n'));
      EXPECT_EQ(t.front() == ' ', en.front() == ' ');
      EXPECT_EQ(t.back() == ' ', en.back() == ' ');
      // The Chinese transfer menus are quoted without dots.
      if (!(base == kZh && (id == 11 || id == 12))) {
        EXPECT_EQ(EndsWithDots(t), EndsWithDots(en));
      }
    }
  }
  for (int id : {58, 108}) EXPECT_EQ(Res(kEn + id).front(), ' ');
  for (int id : {138, 139}) EXPECT_EQ(Res(kEn + id).back(), ' ');
}

TEST(StringTable, StepEditorHelpTextsAreHeadingsWithSeveralSentences) {
  for (int id = 112; id <= 122; ++id) {
    const std::string en = Res(kEn + id);
    EXPECT_GE(std::count(en.begin(), en.end(), '\n'), 3) << id;
    EXPECT_NE(en.back(), '\n') << id;
  }
}
