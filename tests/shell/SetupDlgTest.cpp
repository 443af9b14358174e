#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ShellFixture.h"
#include "shell/frmSetupDlg.h"

namespace {

constexpr std::int32_t kAxis15Written = static_cast<std::int32_t>(0xFFFF8000u);

class SetupDlgTest : public ShellTest {
 protected:
  frmSetupDlg& Dialog() {
    frmSetupDlg& dialog = Forms::Get<frmSetupDlg>(FormId::SetupDlg);
    dialog.show();
    return dialog;
  }

  static std::vector<int> CheckedAxes(const frmSetupDlg& dialog) {
    std::vector<int> axes;
    for (int i = 0; i < 16; ++i) {
      if (dialog.CheckAxis[i]->isChecked()) axes.push_back(i);
    }
    return axes;
  }

  static void SetWords(std::int32_t mask, std::int32_t preset, std::int32_t powerOff,
                       std::int32_t posFinish) {
    shell::PrgData[128] = mask;
    shell::PrgData[129] = preset;
    shell::PrgData[130] = powerOff;
    shell::PrgData[131] = posFinish;
  }
};

}  // namespace

TEST_F(SetupDlgTest, MenuItemOpensTheDialogModeless) {
  FormMain& main = OpenOffline();
  ASSERT_TRUE(main.mnuScanList->isEnabled());
  main.mnuScanList->trigger();
  ASSERT_TRUE(Forms::IsLoaded(FormId::SetupDlg));
  frmSetupDlg& dialog = Forms::Get<frmSetupDlg>(FormId::SetupDlg);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.isModal());
}

TEST_F(SetupDlgTest, Captions) {
  frmSetupDlg& dialog = Dialog();
  EXPECT_EQ(dialog.FrameScanList->title(), "Axes Scan List");
  EXPECT_EQ(dialog.CheckAxis[0]->text(), "Ax00");
  EXPECT_EQ(dialog.CheckAxis[15]->text(), "Ax15");
  EXPECT_EQ(dialog.CkPresetMode->text(), "Omit a negotiation protocol ( Preset mode )");
  EXPECT_EQ(dialog.chkBackup->text(), "Enable Position No. Backup");
  EXPECT_EQ(dialog.OptionPoff->text(), "Position No. will be saved when power is OFF");
  EXPECT_EQ(dialog.OptionPfin->text(),
            "Position No. will be saved when positioning is completed.");
  EXPECT_EQ(dialog.CmdClear->text(), "All Clear");
  EXPECT_EQ(dialog.CmdCancel->text(), "Cancel");
}

TEST_F(SetupDlgTest, AxesFromTheMask) {
  struct Case {
    const char* name;
    std::uint32_t mask;
    std::vector<int> axes;
  };
  for (const Case& c : {Case{"Bit15Alone", 0x0000'8000u, {15}},
                        Case{"Axis15AsWritten", 0xFFFF'8000u, {15}},
                        Case{"HighBitsAloneAreNoAxis", 0xFFFF'0000u, {}},
                        Case{"Axes0And14", 0x0000'4001u, {0, 14}}}) {
    SetWords(static_cast<std::int32_t>(c.mask), 0, 0, 0);
    frmSetupDlg& dialog = Dialog();
    EXPECT_EQ(CheckedAxes(dialog), c.axes) << c.name;
    dialog.CmdCancel_Click();
  }
}

TEST_F(SetupDlgTest, OkWritesAxis15AsBits15To31) {
  SetWords(0x0000'8000, 0, 0, 0);
  frmSetupDlg& dialog = Dialog();
  dialog.CheckAxis[3]->setChecked(true);
  dialog.OKButton->click();
  EXPECT_EQ(shell::PrgData[128], kAxis15Written | 1 << 3);
  EXPECT_FALSE(Forms::IsLoaded(FormId::SetupDlg));
}

TEST_F(SetupDlgTest, OkOnAClearedDialogStoresZeroAndMarksTheImageChanged) {
  SetWords(-1, 3, 1, 0);
  frmSetupDlg& dialog = Dialog();
  EXPECT_TRUE(dialog.CkPresetMode->isChecked());
  dialog.CmdClear->click();
  EXPECT_EQ(CheckedAxes(dialog), std::vector<int>{});
  EXPECT_EQ(shell::PrgData[128], -1);  // nothing stored before OK
  dialog.OKButton->click();
  for (int w = 128; w <= 131; ++w) EXPECT_EQ(shell::PrgData[w], 0) << w;
  EXPECT_TRUE(shell::DataModified);  // the close prompt offers to save the change
}

TEST_F(SetupDlgTest, OkThatChangesNoWordLeavesTheImageUnmarked) {
  SetWords(1 << 2, 1, 0, 1);
  Dialog().OKButton->click();
  EXPECT_EQ(shell::PrgData[128], 1 << 2);
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(SetupDlgTest, PresetModeIsStoredAsOne) {
  SetWords(0, 7, 0, 0);
  Dialog().OKButton->click();
  EXPECT_EQ(shell::PrgData[129], 1);
}

TEST_F(SetupDlgTest, CancelEscAndCloseBoxStoreNothing) {
  const std::function<void(frmSetupDlg&)> ways[] = {
      [](frmSetupDlg& d) { d.CmdCancel->click(); },
      [](frmSetupDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](frmSetupDlg& d) { d.close(); }};
  for (const auto& cancel : ways) {
    SetWords(5, 0, 0, 1);
    frmSetupDlg& dialog = Dialog();
    dialog.CmdClear->click();
    cancel(dialog);
    EXPECT_FALSE(Forms::IsLoaded(FormId::SetupDlg));
    EXPECT_EQ(shell::PrgData[128], 5);
    EXPECT_EQ(shell::PrgData[131], 1);
  }
}

TEST_F(SetupDlgTest, RebuiltFromTheImageAtEveryLoad) {
  SetWords(1, 0, 0, 0);
  Dialog().CmdCancel_Click();
  SetWords(2, 0, 0, 0);
  EXPECT_EQ(CheckedAxes(Dialog()), std::vector<int>{1});
}

TEST_F(SetupDlgTest, ProgramEndAndTheMainWindowUnloadTheDialog) {
  Dialog();
  shell::EndProgram();
  EXPECT_FALSE(Forms::IsLoaded(FormId::SetupDlg));

  OpenOffline().mnuScanList->trigger();
  Forms::Unload(FormId::Main);
  EXPECT_FALSE(Forms::IsLoaded(FormId::SetupDlg));
}

// ---- the backup check box and its options ----------------------------------------------

enum class Action { None, ClickBackup, ClickPowerOff, ClickPosFinish, AllClear };

struct BackupCase {
  const char* name;
  std::int32_t word130, word131;
  Action action;
  bool backup, powerOff, posFinish, optionsEnabled;
  std::int32_t stored130, stored131;
};
void PrintTo(const BackupCase& c, std::ostream* os) { *os << c.name; }

class SetupDlgBackupTest : public SetupDlgTest, public testing::WithParamInterface<BackupCase> {};

TEST_P(SetupDlgBackupTest, ControlsAndStoredWords) {
  const BackupCase& c = GetParam();
  SetWords(0, 0, c.word130, c.word131);
  frmSetupDlg& dialog = Dialog();
  switch (c.action) {
    case Action::None: break;
    case Action::ClickBackup: dialog.chkBackup->click(); break;
    case Action::ClickPowerOff: dialog.OptionPoff->click(); break;
    case Action::ClickPosFinish: dialog.OptionPfin->click(); break;
    case Action::AllClear: dialog.CmdClear->click(); break;
  }
  EXPECT_EQ(dialog.chkBackup->isChecked(), c.backup);
  EXPECT_EQ(dialog.OptionPoff->isChecked(), c.powerOff);
  EXPECT_EQ(dialog.OptionPfin->isChecked(), c.posFinish);
  EXPECT_EQ(dialog.OptionPoff->isEnabled(), c.optionsEnabled);
  EXPECT_EQ(dialog.OptionPfin->isEnabled(), c.optionsEnabled);
  dialog.OKButton->click();
  EXPECT_EQ(shell::PrgData[130], c.stored130);
  EXPECT_EQ(shell::PrgData[131], c.stored131);
}

INSTANTIATE_TEST_SUITE_P(
    States, SetupDlgBackupTest,
    testing::Values(
        BackupCase{"NoBackup", 0, 0, Action::None, false, false, false, false, 0, 0},
        BackupCase{"OnPowerOff", 1, 0, Action::None, true, true, false, true, 1, 0},
        BackupCase{"OnPosFinish", 0, 1, Action::None, true, false, true, true, 0, 1},
        BackupCase{"AnyNonZeroWord", 5, 0, Action::None, true, true, false, true, 1, 0},
        BackupCase{"BothWordsTheLaterOptionHolds", 1, 1, Action::None, true, false, true, true,
                   0, 1},
        BackupCase{"CheckingPicksPowerOff", 0, 0, Action::ClickBackup, true, true, false, true,
                   1, 0},
        BackupCase{"UncheckingClearsBoth", 0, 1, Action::ClickBackup, false, false, false,
                   false, 0, 0},
        BackupCase{"PosFinishOption", 1, 0, Action::ClickPosFinish, true, false, true, true, 0,
                   1},
        BackupCase{"PowerOffOption", 0, 1, Action::ClickPowerOff, true, true, false, true, 1, 0},
        BackupCase{"ClickingTheChosenOptionKeepsIt", 1, 0, Action::ClickPowerOff, true, true,
                   false, true, 1, 0},
        BackupCase{"AllClear", 1, 0, Action::AllClear, false, false, false, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupDlgTest, AnOpenDialogShowsTheWordsOfANewlyOpenedImage) {
  FormMain& main = OpenOffline();
  SetWords(0, 0, 0, 0);
  frmSetupDlg& dialog = Dialog();
  std::vector<std::string> values(133, "0");
  values[128] = "5";
  WriteFile("set.zel", ZelText(values));
  ui.dialogAnswers = {Path("set.zel")};
  main.mnuOpen_Click();
  EXPECT_EQ(CheckedAxes(dialog), (std::vector<int>{0, 2}));
  dialog.OKButton->click();  // writes back what the new image holds, not what was shown before
  EXPECT_EQ(shell::PrgData[128], 5);
}
