#include "platform/QtTranslations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTranslator>

#include "platform/SystemLang.h"

namespace {

// What the message boxes' buttons and the file dialogs read while the translation is in force.
struct QtWords {
  QString yes, cancel, lookIn;
};

QtWords ShownWords() {
  QMessageBox box(QMessageBox::Question, QString(), QString(),
                  QMessageBox::Yes | QMessageBox::Cancel);
  return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::Cancel)->text(),
          QCoreApplication::translate("QFileDialog", "Look in:")};
}

}  // namespace

TEST(QtTranslations, StandardButtonsAndFileDialogsSpeakTheProgramsLanguage) {
  struct Case {
    const char* name;
    std::int16_t language;
    const char* yes;  // a part of the Yes button's text
    const char* cancel;
  };
  const Case cases[] = {
      {"Japanese", platform::kLangJapanese, "はい", "キャンセル"},
      {"Chinese", platform::kLangChinese, "是", "取消"},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<QTranslator> texts = platform::InstallQtTranslations(c.language);
    ASSERT_NE(texts, nullptr) << c.name << ": Qt's translations are not installed";
    const QtWords words = ShownWords();
    EXPECT_TRUE(words.yes.contains(QString::fromUtf8(c.yes))) << c.name << words.yes.toStdString();
    EXPECT_TRUE(words.cancel.contains(QString::fromUtf8(c.cancel))) << c.name;
    EXPECT_NE(words.lookIn, QStringLiteral("Look in:")) << c.name;
  }
  // Gone with its owner: English again.
  EXPECT_EQ(ShownWords().yes, QStringLiteral("&Yes"));
}

TEST(QtTranslations, EnglishAndEuropeanKeepQtsEnglish) {
  for (const std::int16_t language :
       {platform::kLangEnglish, platform::kLangEuropean, platform::kLangKorean}) {
    EXPECT_EQ(platform::InstallQtTranslations(language), nullptr) << language;
    EXPECT_EQ(ShownWords().yes, QStringLiteral("&Yes")) << language;
  }
}
