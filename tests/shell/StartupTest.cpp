#include <QLabel>
#include <QPushButton>
#include <QToolBar>

#include "ShellFixture.h"
#include "editors/EditorText.h"
#include "platform/DecimalSign.h"
#include "shell/FormMsg.h"
#include "shell/FormZELLogo.h"

namespace {

class StartupTest : public ShellTest {
 protected:
  void TearDown() override {
    platform::SetDecimalSign('.');
    ShellTest::TearDown();
  }

  void MainWithLocale(const char* lang, std::vector<std::string> args = {}) {
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", lang, 1);
    shell::Main(args, editors::FillEditorText);
  }

  // The visible start actions as their captions.
  std::vector<std::string> Actions() {
    std::vector<std::string> shown;
    for (QPushButton* b : Wizard().CmdGo) {
      if (!b->isHidden()) shown.push_back(b->text().toStdString());
    }
    return shown;
  }

  void ToPortStep(int axesIndex, int portIndex) {
    FormComSel& wizard = Wizard();
    wizard.CmbAxes->setCurrentIndex(axesIndex);
    wizard.cmdOKbtn_Click();
    wizard.CmbPort->setCurrentIndex(portIndex);
    wizard.cmdOKbtn_Click();
  }
};

}  // namespace

TEST_F(StartupTest, EnglishSystemWithoutIni) {
  MainWithLocale("en_US.UTF-8");
  EXPECT_EQ(shell::UiLanguage, 1033);
  EXPECT_EQ(shell::UiFontName, "");
  EXPECT_EQ(resources::UiText[1], "File(&F)");
  EXPECT_EQ(editors::EditorText(editors::EditorTxt::AxisCaption), "Axis No.");
  EXPECT_EQ(platform::DecimalSign(), '.');
  for (FormId id : {FormId::Main, FormId::ComSel, FormId::Msg, FormId::ZELLogo}) {
    EXPECT_TRUE(Forms::IsLoaded(id));
  }
  EXPECT_TRUE(Forms::Get<FormZELLogo>(FormId::ZELLogo).isVisible());
  EXPECT_EQ(Forms::Get<FormMsg>(FormId::Msg).windowTitle(), "MOR Tool Message");
}

TEST_F(StartupTest, KoreanSystemHasItsFontsAndNoTexts) {
  MainWithLocale("ko_KR.UTF-8");
  EXPECT_EQ(shell::UiLanguage, 1042);
  EXPECT_EQ(shell::UiFontName, "굴림");
  EXPECT_EQ(shell::UiFontCharset, 129);
  EXPECT_EQ(shell::GridFont.face, "굴림");
  EXPECT_TRUE(shell::GridFont.size == 9 && !shell::GridFont.bold);
  EXPECT_TRUE(shell::TitleFont.size == 11 && shell::TitleFont.bold);
}

TEST_F(StartupTest, ItalianSystemGetsEnglishTextsAndACommaDecimalSign) {
  MainWithLocale("it_IT.UTF-8");
  EXPECT_EQ(shell::UiLanguage, 1040);
  EXPECT_EQ(resources::UiText[47], "Offline");
  EXPECT_EQ(platform::DecimalSign(), ',');
}

TEST_F(StartupTest, IniLanguageAndSwitches) {
  WriteFile("vuzovid.ini", "[Config]\r\nLANG=JP\r\n");
  MainWithLocale("en_US.UTF-8", {"-E", "-c"});
  EXPECT_EQ(shell::UiLanguage, 1028);
  EXPECT_EQ(resources::UiText[1], "文件(&F)");
  EXPECT_EQ(resources::UiText[52], "Hexadecimal");
}

TEST_F(StartupTest, SplashHandsOverToTheWizardAndReturnsAsAbout) {
  MainWithLocale("en_US.UTF-8");
  FormZELLogo& logo = Forms::Get<FormZELLogo>(FormId::ZELLogo);
  EXPECT_EQ(logo.size(), QSize(512, 364));
  EXPECT_EQ(logo.Timer1.interval(), 2000);
  EXPECT_TRUE(logo.CmdOK->isHidden());
  logo.Timer1_Timer();
  EXPECT_FALSE(logo.isVisible());
  EXPECT_FALSE(logo.Timer1.isActive());
  EXPECT_TRUE(Wizard().isVisible());
  EXPECT_EQ(Wizard().LblMsg->text(), "Please select desired number of axes");

  Main().mnuVersion_Click();
  EXPECT_TRUE(logo.isVisible());
  EXPECT_FALSE(logo.CmdOK->isHidden());
  EXPECT_EQ(logo.CmdOK->geometry(), QRect(296, 208, 100, 28));
  logo.close();  // only OK closes it
  EXPECT_TRUE(logo.isVisible());
  logo.CmdOK_Click();
  EXPECT_FALSE(logo.isVisible());
}

TEST_F(StartupTest, OfflineOffersOnlyCreateNew) {
  MainWithLocale("en_US.UTF-8");
  ToPortStep(3, 0);
  EXPECT_EQ(axisdata::AxisCount, 4);
  EXPECT_EQ(Actions(), (std::vector<std::string>{"Create New"}));
  EXPECT_EQ(Wizard().LblMsg->text(), "Create a new file or open a sample file?");
  EXPECT_TRUE(Wizard().cmdOKbtn->isHidden());

  Wizard().CmdGo_Click(2);
  FormMain& main = Main();
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(Wizard().isVisible());
  EXPECT_TRUE(shell::OfflineMode);
  EXPECT_EQ(shell::ComPortName, "");
  EXPECT_FALSE(main.mnuUpload->isEnabled());
  EXPECT_FALSE(main.mnuDownload->isEnabled());
  EXPECT_TRUE(main.mnuTrans->menuAction()->isEnabled());  // editing needs no link
  EXPECT_TRUE(main.mnuScanList->isEnabled());
  EXPECT_FALSE(main.ToolbarButtons["upload"]->isEnabled());
  EXPECT_FALSE(main.ToolbarButtons["download"]->isEnabled());
  EXPECT_EQ(shell::CurFileName, Path("data/new.zel"));
  EXPECT_EQ(axisdata::BaseFileName, Path("data/new"));
  EXPECT_EQ(main.StatusPanel1->text().toStdString(), Path("data/new.zel"));  // what Save writes
  EXPECT_FALSE(shell::DataModified);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartupTest, OnlineActionsFollowTheDefaultKey) {
  struct Case {
    const char* ini;
    std::vector<std::string> actions;
    const char* message;
  };
  const Case cases[] = {
      {nullptr,
       {"Upload from the Controllers", "Run Status Monitor"},
       "The data will be uploaded from the Condroller and the Cylinders."},
      {"[Window]\r\nDEFAULT=1\r\n",
       {"Upload from the Controllers", "Run Status Monitor"},
       "The data will be uploaded from the Condroller and the Cylinders."},
      {"[window]\r\ndefault=0\r\n",
       {"Upload from the Controllers", "Open the Existent File and download", "Create New",
        "Run Status Monitor"},
       "Create a new file or open a sample file?"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(Path("vuzovid.ini"));
    if (c.ini != nullptr) WriteFile("vuzovid.ini", c.ini);
    MainWithLocale("en_US.UTF-8");
    ToPortStep(15, 1);
    EXPECT_EQ(axisdata::AxisCount, 16);
    EXPECT_EQ(Actions(), c.actions) << (c.ini ? c.ini : "no INI");
    EXPECT_EQ(Wizard().LblMsg->text().toStdString(), c.message);
    shell::EndProgram();
  }
}

TEST_F(StartupTest, EscInTheWizardDoesNotEndTheProgram) {
  MainWithLocale("en_US.UTF-8");
  FormComSel& wizard = Wizard();
  wizard.show();
  QTest::keyClick(&wizard, Qt::Key_Escape);
  EXPECT_TRUE(Forms::IsLoaded(FormId::ComSel));
  EXPECT_TRUE(Forms::IsLoaded(FormId::Main));
}

TEST_F(StartupTest, ClosingTheWizardEndsTheProgram) {
  bool ended = false;
  Forms::SetOnAllUnloaded([&ended] { ended = true; });
  MainWithLocale("en_US.UTF-8");
  Wizard().close();
  EXPECT_FALSE(Forms::IsLoaded(FormId::Main));
  EXPECT_FALSE(Forms::IsLoaded(FormId::ComSel));
  EXPECT_TRUE(ended);
  Forms::SetOnAllUnloaded({});
}
