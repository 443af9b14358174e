// The point-table editor window offline, with scripted UI services.
#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStyleOptionHeader>
#include <QToolBar>
#include <filesystem>

#include "KavWindowFixture.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "axisdata/Selection.h"
#include "editors/FormComEdit.h"
#include "editors/FormPosEdit.h"

using axisdata::kPCMD;

namespace {

using FormKAVTest = KavWindowTest;

// Sends one key with a character of its own (as an input method types it).
void TypeCharacter(QWidget* target, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

}  // namespace

TEST_F(FormKAVTest, OpensInPlaceOfTheMainWindowWithItsListsAndLayout) {
  FormKAV& kav = OpenEditorOffline(4);
  EXPECT_TRUE(kav.isVisible());
  EXPECT_FALSE(Main().isVisible());
  EXPECT_EQ(kav.size(), QSize(876, 536));
  QStringList axes;
  for (int i = 0; i < kav.ComboAxis->count(); ++i) axes << kav.ComboAxis->itemText(i);
  EXPECT_EQ(axes, QStringList({"0", "1", "2", "3"}));
  EXPECT_EQ(kav.ComboPage->count(), 12);
  EXPECT_EQ(kav.ComboPage->itemText(11), "B");
  EXPECT_EQ(kav.ComboHex->itemText(2), "Application Oriented");
  for (QComboBox* list : {kav.ComboAxis, kav.ComboPage, kav.ComboHex}) {
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(list->currentIndex(), 0);
  }
  EXPECT_EQ(kav.TextAxis->text(), "AxisNumber");
  EXPECT_EQ(kav.mnuClose->text(), "Exit(&X)");
  platform::FlexGrid& grid = *kav.PrgGrid;
  EXPECT_EQ(grid.Rows(), 17);
  EXPECT_EQ(grid.Cols(), 15);
  EXPECT_EQ(grid.TextMatrix(0, 0), "Point");
  EXPECT_EQ(grid.TextMatrix(16, 0), "F");
  EXPECT_EQ(grid.TextMatrix(0, 14), "h");
  EXPECT_EQ(grid.TextMatrix(1, 1), "320");  // point 0 of the default set: 800 pulses
  EXPECT_EQ(grid.horizontalHeaderItem(0)->toolTip().toStdString(),
            "PCMD: Target position in absolute position coordinate or increment");
  EXPECT_TRUE(grid.isVisible());
  EXPECT_TRUE(grid.hasFocus());
  EXPECT_FALSE(kav.TextIn->isVisible());
  // The grid fills the room between the toolbar and the status bar.
  EXPECT_EQ(grid.mapTo(&kav, QPoint(0, 0)).y(), kav.Toolbar1->geometry().bottom() + 1);
  EXPECT_EQ(grid.width(), kav.centralWidget()->width());
}

TEST_F(FormKAVTest, OfflineTheTransfersAreOff) {
  FormKAV& kav = OpenEditorOffline();
  EXPECT_FALSE(kav.mnuTrans->menuAction()->isEnabled());
  EXPECT_FALSE(kav.ToolbarButtons["upload"]->isEnabled());
  EXPECT_FALSE(kav.ToolbarButtons["download"]->isEnabled());
  EXPECT_TRUE(kav.ToolbarButtons["copy"]->isEnabled());
  EXPECT_TRUE(kav.mnuEdit->menuAction()->isEnabled());
  EXPECT_EQ(ui.processEventsCalls, 0);  // nothing was waited for
}

TEST_F(FormKAVTest, TypingStartsTheEditorAndEnterWritesAndMovesDown) {
  FormKAV& kav = OpenEditorOffline();
  SetNotation(kav, axisdata::kDecimal);
  kav.PrgGrid->SetCurrentCell(1, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClick(kav.PrgGrid, Qt::Key_7);
  EXPECT_TRUE(kav.TextIn->isVisible());
  EXPECT_TRUE(kav.TextIn->hasFocus());
  EXPECT_EQ(kav.TextIn->text(), "7");
  EXPECT_EQ(kav.TextIn->cursorPosition(), 1);
  EXPECT_FALSE(kav.TextIn->hasSelectedText());
  EXPECT_EQ(Cell(kav, 1, 1), "800");  // not before Enter

  QTest::keyClick(kav.TextIn, Qt::Key_Return);
  EXPECT_EQ(Cell(kav, 1, 1), "7");
  EXPECT_EQ(kav.PrgGrid->Row(), 2);
  EXPECT_FALSE(kav.TextIn->isVisible());
  EXPECT_TRUE(kav.PrgGrid->hasFocus());
  EXPECT_EQ(kav.StatusPanel2->text(), "1212");

  TypeInCell(kav, 16, 3, "55");
  EXPECT_EQ(Cell(kav, 16, 3), "55");
  EXPECT_EQ(kav.PrgGrid->Row(), 16);  // the last row stays
}

TEST_F(FormKAVTest, EscDropsTheTypedText) {
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(2, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClicks(kav.PrgGrid, "a");
  QTest::keyClicks(kav.TextIn, "b");
  EXPECT_EQ(kav.TextIn->text(), "AB");  // upper case
  QTest::keyClick(kav.TextIn, Qt::Key_Escape);
  EXPECT_EQ(Cell(kav, 2, 1), "FA0");
  EXPECT_FALSE(kav.TextIn->isVisible());
  EXPECT_TRUE(kav.PrgGrid->hasFocus());
}

TEST_F(FormKAVTest, EnterOnTheGridOpensTheCellWithItsTextSelected) {
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(2, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClick(kav.PrgGrid, Qt::Key_Return);
  EXPECT_TRUE(kav.EditActive());
  EXPECT_TRUE(kav.TextIn->hasFocus());
  EXPECT_EQ(kav.TextIn->selectedText(), "FA0");
  QTest::keyClicks(kav.TextIn, "1");  // replaces the selection
  QTest::keyClick(kav.TextIn, Qt::Key_Return);
  EXPECT_EQ(Cell(kav, 2, 1), "1");
}

TEST_F(FormKAVTest, MinusKeysByNotation) {
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(5, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClick(kav.PrgGrid, Qt::Key_Minus);  // hexadecimal: nothing
  EXPECT_FALSE(kav.TextIn->isVisible());
  QTest::keyClicks(kav.PrgGrid, "5");
  QTest::keyClick(kav.TextIn, Qt::Key_Home);
  QTest::keyClick(kav.TextIn, Qt::Key_Minus);
  EXPECT_EQ(kav.TextIn->text(), "5");
  QTest::keyClick(kav.TextIn, Qt::Key_Escape);

  SetNotation(kav, axisdata::kDecimal);
  kav.PrgGrid->SetCurrentCell(5, 1);
  QTest::keyClick(kav.PrgGrid, Qt::Key_Minus);  // on the grid: starts the edit with the sign
  EXPECT_EQ(kav.TextIn->text(), "-");
  QTest::keyClicks(kav.TextIn, "12");
  QTest::keyClick(kav.TextIn, Qt::Key_Minus);  // not at the start: nothing
  EXPECT_EQ(kav.TextIn->text(), "-12");
  QTest::keyClick(kav.TextIn, Qt::Key_Home);
  QTest::keyClick(kav.TextIn, Qt::Key_Minus);  // at the start: the text becomes the sign
  EXPECT_EQ(kav.TextIn->text(), "-");
  EXPECT_EQ(kav.TextIn->cursorPosition(), 1);
  QTest::keyClicks(kav.TextIn, "3");
  QTest::keyClick(kav.TextIn, Qt::Key_Return);
  EXPECT_EQ(Cell(kav, 5, 1), "-3");
}

struct LengthCase {
  const char* name;
  std::int16_t notation;
  int col;
  int longest;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class EditorLength : public KavWindowTest, public testing::WithParamInterface<LengthCase> {};

TEST_P(EditorLength, ByColumnAndNotation) {
  const LengthCase& c = GetParam();
  FormKAV& kav = OpenEditorOffline();
  SetNotation(kav, c.notation);
  kav.PrgGrid->SetCurrentCell(3, c.col);
  kav.PrgGrid->setFocus();
  QTest::keyClicks(kav.PrgGrid, "1");
  QTest::keyClicks(kav.TextIn, QString(20, QChar('1')));
  EXPECT_EQ(kav.TextIn->text().size(), c.longest);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, EditorLength,
    testing::Values(LengthCase{"GainInHexadecimal", axisdata::kHexadecimal, 8, 1},
                    LengthCase{"PositionInHexadecimal", axisdata::kHexadecimal, 1, 8},
                    LengthCase{"GainInDecimal", axisdata::kDecimal, 8, 2},
                    LengthCase{"PositionInDecimal", axisdata::kDecimal, 1, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormKAVTest, JapaneseFullWidthCharactersAreTakenNarrow) {
  shell::UiLanguage = platform::kLangJapanese;
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(2, 2);
  kav.PrgGrid->setFocus();
  TypeCharacter(kav.PrgGrid, QStringLiteral("\uFF11"));  // full-width "1"
  TypeCharacter(kav.TextIn, QStringLiteral("\uFF41"));   // full-width "a"
  TypeCharacter(kav.TextIn, QStringLiteral("\uFF47"));   // full-width "g": no hexadecimal digit
  EXPECT_EQ(kav.TextIn->text(), "1A");
}

TEST_F(FormKAVTest, UserUnitsTakeThePointKeyAsTheDecimalSignInUse) {
  platform::SetDecimalSign(',');  // the European setting
  FormKAV& kav = OpenEditorOffline();
  const std::int32_t second = PointWord(0, 1, axisdata::kPCMD);
  SetNotation(kav, axisdata::kUserUnits);
  kav.PrgGrid->SetCurrentCell(1, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClicks(kav.PrgGrid, "1");
  QTest::keyClicks(kav.TextIn, ".5");
  QTest::keyClick(kav.TextIn, Qt::Key_Period, Qt::KeypadModifier);  // the keypad's decimal key
  EXPECT_EQ(kav.TextIn->text(), "1,5,");
  QTest::keyClick(kav.TextIn, Qt::Key_Backspace);
  QTest::keyClick(kav.TextIn, Qt::Key_Return);
  TypeInCell(kav, 2, 1, "1,234.5");  // a thousands sign makes it no number: refused, not 1.2345
  SetNotation(kav, axisdata::kDecimal);  // stores 1.5 mm
  EXPECT_EQ(Cell(kav, 1, 1), "200");     // at 133.3 pulses a millimetre
  EXPECT_EQ(PointWord(0, 1, axisdata::kPCMD), second);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("\"1,234,5\""), std::string::npos) << ui.messages[0].text;
}

TEST_F(FormKAVTest, ASecondClickOnACellOpensTheEditorOverIt) {
  FormKAV& kav = OpenEditorOffline();
  QWidget* body = kav.PrgGrid->viewport();
  QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, 4, 3));
  EXPECT_FALSE(kav.EditActive());
  QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, 4, 3));
  EXPECT_TRUE(kav.EditActive());
  EXPECT_TRUE(kav.TextIn->isVisible());
  EXPECT_EQ(kav.TextIn->text(), "28");
  EXPECT_EQ(kav.TextIn->geometry().topLeft(),
            kav.PrgGrid->mapTo(kav.centralWidget(), kav.PrgGrid->CurrentCellRect().topLeft()));
  QTest::keyClick(kav.PrgGrid, Qt::Key_Escape);
  EXPECT_FALSE(kav.TextIn->isVisible());
  QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, 5, 3));
  EXPECT_FALSE(kav.EditActive());
}

TEST_F(FormKAVTest, AxisAndPageChangesKeepTypedValues) {
  FormKAV& kav = OpenEditorOffline();
  TypeInCell(kav, 2, 1, "1F4");
  SelectAxis(kav, 2);
  EXPECT_EQ(axisdata::CurAxis, 2);
  EXPECT_EQ(Cell(kav, 2, 1), "FA0");
  EXPECT_EQ(kav.PrgGrid->Row(), 1);
  TypeInCell(kav, 3, 3, "99");
  SelectAxis(kav, 0);
  EXPECT_EQ(Cell(kav, 2, 1), "1F4");
  EXPECT_EQ(PointWord(0, 1, kPCMD), 0x1F4);
  EXPECT_EQ(PointWord(2, 2, axisdata::kINP), 0x99);

  SelectPage(kav, 1);
  EXPECT_EQ(Cell(kav, 1, 1), "2EE0");  // the extended point of page 1
  TypeInCell(kav, 1, 1, "ABC");
  SelectPage(kav, 0);
  EXPECT_EQ(Cell(kav, 1, 1), "320");
  SelectPage(kav, 1);
  EXPECT_EQ(Cell(kav, 1, 1), "ABC");
  EXPECT_EQ(axisdata::ExtPointData[axisdata::ExtPointIndex(1, 0, 0)], 0xABC);
}

TEST_F(FormKAVTest, AnEditLeftOpenIsStoredWithTheGrid) {
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(3, 1);
  kav.PrgGrid->setFocus();
  QTest::keyClicks(kav.PrgGrid, "7");  // the user then picks another axis, without Enter
  SelectAxis(kav, 1);
  EXPECT_EQ(PointWord(0, 2, kPCMD), 7);
}

TEST_F(FormKAVTest, ANotationChangeStoresTheGridInTheOldNotationAndHeadersFollow) {
  FormKAV& kav = OpenEditorOffline();
  SetNotation(kav, axisdata::kDecimal);
  EXPECT_EQ(Cell(kav, 0, 14), "d");
  TypeInCell(kav, 1, 1, "10");
  SetNotation(kav, axisdata::kHexadecimal);
  EXPECT_EQ(Cell(kav, 1, 1), "A");
  SetNotation(kav, axisdata::kUserUnits);
  EXPECT_EQ(Cell(kav, 0, 1), "PCMD [mm]");
  EXPECT_EQ(Cell(kav, 0, 14), "u");

  // The unit headers belong to the axis shown: axis 1 made a rotary actuator.
  axisdata::AxisData[1][axisdata::kTypeCodeWord] = 1;
  axisdata::ExpansionWord(axisdata::AxisData[1]) = 4 << 24;
  SelectAxis(kav, 1);
  EXPECT_EQ(Cell(kav, 0, 1), "PCMD [deg]");
  EXPECT_EQ(Cell(kav, 0, 4), "VCMD [deg/sec]");
}

TEST_F(FormKAVTest, RightButtonInAMultiCellSelectionKeepsItForThePopUp) {
  FormKAV& kav = OpenEditorOffline();
  platform::FlexGrid& grid = *kav.PrgGrid;
  Drag(grid, 2, 1, 3, 3);
  QTest::mousePress(grid.viewport(), Qt::RightButton, {}, CellCentre(kav, 3, 2));
  EXPECT_TRUE(kav.mnuPopUp->isVisible());
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.RowSel(), 3);
  EXPECT_EQ(grid.ColSel(), 3);
  kav.mnuPopCopy->trigger();
  EXPECT_EQ(shell::CopyBuffer.substr(0, 11), "2,2, 1,2, 3");
  kav.mnuPopUp->hide();

  // Outside the selection the click picks the cell under the mouse.
  QTest::mousePress(grid.viewport(), Qt::RightButton, {}, CellCentre(kav, 6, 5));
  EXPECT_EQ(grid.Row(), 6);
  EXPECT_EQ(grid.Col(), 5);
  EXPECT_EQ(grid.RowSel(), 6);
  EXPECT_EQ(grid.ColSel(), 5);
  EXPECT_EQ(kav.StatusPanel2->text(), "5656");
  kav.mnuPopUp->hide();
}

TEST_F(FormKAVTest, CopyAndPasteThroughTheWindow) {
  FormKAV& kav = OpenEditorOffline();
  platform::FlexGrid& grid = *kav.PrgGrid;
  kav.mnuPaste_Click();  // nothing copied yet
  EXPECT_TRUE(ui.messages.empty());

  Drag(grid, 4, 2, 2, 3);  // dragged upwards: the block still starts at its top row
  kav.ToolbarButtons["copy"]->trigger();
  EXPECT_EQ(shell::CopyBuffer, "2,2, 2,3, 2,0,28,0,28,0,28,");

  grid.SetCurrentCell(15, 2);
  grid.SetTextMatrix(16, 3, "1");
  kav.ToolbarButtons["paste"]->trigger();
  EXPECT_EQ(Cell(kav, 15, 3), "28");
  EXPECT_EQ(Cell(kav, 16, 3), "28");  // the third row falls off the grid
  EXPECT_EQ(kav.TextIn->text(), "0");  // the editor follows the current cell

  grid.SetCurrentCell(8, 1);
  kav.mnuPaste->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "It can't paste, because data type is mismatch");
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(Cell(kav, 8, 1), "0");

  // Copied in hexadecimal, pasted in decimal as the texts they were.
  grid.SetCurrentCell(2, 1);
  kav.mnuCopy_Click();
  SetNotation(kav, axisdata::kDecimal);
  grid.SetCurrentCell(9, 1);
  kav.mnuPaste_Click();
  EXPECT_EQ(Cell(kav, 9, 1), "FA0");
}

TEST_F(FormKAVTest, SaveWritesTheLastTypedValuesIntoTheEepFiles) {
  FormKAV& kav = OpenEditorOffline(2);
  SelectAxis(kav, 1);
  TypeInCell(kav, 4, 1, "4321");
  axisdata::AxisUnsaved.fill(true);
  axisdata::XepUnsaved = true;
  kav.mnuSave_Click();

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(axisdata::AxisUnsaved[0]);
  EXPECT_FALSE(axisdata::AxisUnsaved[1]);
  EXPECT_FALSE(axisdata::XepUnsaved);
  EXPECT_EQ(kav.StatusPanel1->text().toStdString(), Path("data/default.zel"));
  PointWord(1, 3, kPCMD) = 0;
  ASSERT_EQ(axisdata::ReadEepFile(1, Path("data/default1.EEP")), std::nullopt);
  EXPECT_EQ(PointWord(1, 3, kPCMD), 0x4321);
}

TEST_F(FormKAVTest, AFileThatCannotBeWrittenIsToldAndTheOthersAreSaved) {
  FormKAV& kav = OpenEditorOffline(2);
  const std::string locked = Path("data/default0.EEP");
  const std::string before = ReadFile(locked);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
  TypeInCell(kav, 1, 1, "11");
  SelectAxis(kav, 1);
  TypeInCell(kav, 1, 1, "22");
  axisdata::AxisUnsaved.fill(true);

  kav.mnuSave_Click();

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(locked), std::string::npos) << ui.messages[0].text;
  EXPECT_EQ(ReadFile(locked), before);
  EXPECT_TRUE(axisdata::AxisUnsaved[0]);
  EXPECT_FALSE(axisdata::AxisUnsaved[1]);
  ASSERT_EQ(axisdata::ReadEepFile(1, Path("data/default1.EEP")), std::nullopt);
  EXPECT_EQ(PointWord(1, 0, kPCMD), 0x22);
}

TEST_F(FormKAVTest, SaveAsWritesTheSetUnderTheNewNameAndShowsIt) {
  FormKAV& kav = OpenEditorOffline(2);
  TypeInCell(kav, 1, 1, "77");
  ui.dialogAnswers = {std::nullopt};
  kav.mnuSaveAs_Click();  // cancelled: nothing
  EXPECT_FALSE(std::filesystem::exists(Path("data/other0.EEP")));

  ui.dialogAnswers = {Path("data/other.zel")};
  kav.mnuSaveAs_Click();
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_TRUE(ui.dialogs[1].save);
  EXPECT_TRUE(ui.dialogs[1].confirmOverwrite);
  EXPECT_EQ(ui.dialogs[1].filter, "ZEL files (*.zhel)|*.zel");
  for (const char* name : {"other0.EEP", "other1.EEP", "other.XEP"}) {
    EXPECT_TRUE(std::filesystem::exists(Path(std::string("data/") + name))) << name;
  }
  EXPECT_EQ(axisdata::BaseFileName, Path("data/other"));
  EXPECT_EQ(kav.StatusPanel1->text().toStdString(), Path("data/other.zel"));
  EXPECT_TRUE(ui.messages.empty());

  // Opening it again brings back what was saved.
  PointWord(0, 0, kPCMD) = 5;
  std::filesystem::remove(Path("data/other1.EEP"));
  shell::CurFileName = Path("data/table.zel");
  shell::DataModified = true;
  ui.dialogAnswers = {Path("data/other.zel")};
  kav.mnuOpen_Click();
  EXPECT_EQ(PointWord(0, 0, kPCMD), 0x77);
  EXPECT_EQ(Cell(kav, 1, 1), "77");
  EXPECT_EQ(kav.StatusPanel1->text().toStdString(), Path("data/other.zel"));
  // The main window's table keeps its file and its unsaved state: its Save never writes that
  // table over the opened set's, and its close still offers to save it.
  EXPECT_EQ(shell::CurFileName, Path("data/table.zel"));
  EXPECT_TRUE(shell::DataModified);
  ASSERT_EQ(ui.messages.size(), 1u);  // the missing axis file, which Save creates
  EXPECT_EQ(ui.messages[0].text, "These files were not found in " + Path("data") +
                                     "; Save will create them: other1.EEP.");
}

TEST_F(FormKAVTest, ASaveAsThatWritesNothingKeepsThePreviousName) {
  FormKAV& kav = OpenEditorOffline(2);
  const std::string zel = shell::CurFileName, base = axisdata::BaseFileName;
  ui.dialogAnswers = {Path("no/such/folder/x.zel")};
  kav.mnuSaveAs_Click();
  ASSERT_EQ(ui.messages.size(), 1u);  // every file told, in one message
  EXPECT_NE(ui.messages[0].text.find(Path("no/such/folder/x1.EEP")), std::string::npos);
  EXPECT_EQ(shell::CurFileName, zel);
  EXPECT_EQ(axisdata::BaseFileName, base);
  EXPECT_EQ(kav.StatusPanel1->text().toStdString(), base + ".zel");  // the set Save writes

  kav.mnuSave_Click();  // aims where the last good name did
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(base + "0.EEP"));
}

TEST_F(FormKAVTest, ANewDataSetStartsAsACopyOfTheDefaultSet) {
  StartMain(2, 0);
  axisdata::BaseFileName = Path("data/new");  // "Create New": no file of the set exists yet
  FormKAV& kav = PositionSetting();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Cell(kav, 1, 1), "320");
  kav.mnuSave_Click();
  for (const char* name : {"new0.EEP", "new1.EEP", "new.XEP"}) {
    EXPECT_TRUE(std::filesystem::exists(Path(std::string("data/") + name))) << name;
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormKAVTest, AMissingSetNeverReplacesTheRunsPointDataAndIsToldOnce) {
  StartMain(2, 0);
  axisdata::BaseFileName = Path("data/new");
  FormKAV& kav = PositionSetting();
  TypeInCell(kav, 1, 1, "4321");
  kav.mnuSave_Click();  // new0.EEP ...
  kav.mnuClose_Click();
  ui.dialogAnswers = {Path("data/foo.zel")};
  ASSERT_TRUE(Main().mnuSaveAs_Click());  // the synchronous table only
  ASSERT_TRUE(ui.messages.empty());

  PositionSetting();
  EXPECT_EQ(Cell(kav, 1, 1), "4321");
  EXPECT_EQ(PointWord(0, 0, kPCMD), 0x4321);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "These files were not found in " + Path("data") +
                                     "; Save will create them: foo0.EEP, foo1.EEP, foo.XEP.");
  kav.mnuSave_Click();
  EXPECT_EQ(ui.messages.size(), 1u);
  PointWord(0, 0, kPCMD) = 0;
  ASSERT_EQ(axisdata::ReadEepFile(0, Path("data/foo0.EEP")), std::nullopt);
  EXPECT_EQ(PointWord(0, 0, kPCMD), 0x4321);
}

// Each step ends with the panel naming the set whose files that Save writes.
TEST_F(FormKAVTest, StatusPanelNamesTheSetSaveWrites) {
  StartMain(2, 0);
  axisdata::BaseFileName = Path("data/new");
  FormKAV& kav = PositionSetting();
  const auto panel = [&kav] { return kav.StatusPanel1->text().toStdString(); };
  // Save writes the set named, and no other.
  const auto savesInto = [&](const std::string& named, const std::string& notInto) {
    std::filesystem::remove(Path("data/" + named + "0.EEP"));
    kav.mnuSave_Click();
    EXPECT_TRUE(std::filesystem::exists(Path("data/" + named + "0.EEP"))) << named;
    EXPECT_FALSE(std::filesystem::exists(Path("data/" + notInto + "0.EEP"))) << notInto;
    EXPECT_EQ(panel(), Path("data/" + named + ".zel"));
  };
  EXPECT_EQ(panel(), Path("data/new.zel"));

  ui.dialogAnswers = {Path("data/default.zel")};  // the main window keeps new.zel
  kav.mnuOpen_Click();
  EXPECT_EQ(panel(), Path("data/default.zel"));
  savesInto("default", "new");

  kav.mnuClose_Click();
  PositionSetting();
  EXPECT_EQ(panel(), Path("data/default.zel"));
  savesInto("default", "new");

  ui.dialogAnswers = {Path("no/such/folder/x.zel")};  // refused: nothing written there
  kav.mnuSaveAs_Click();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(panel(), Path("data/default.zel"));
  savesInto("default", "new");

  ui.dialogAnswers = {Path("data/other.zel")};
  kav.mnuSaveAs_Click();
  EXPECT_EQ(panel(), Path("data/other.zel"));
  savesInto("other", "new");
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(FormKAVTest, ExitAndTheCloseBoxHandBackToTheMainWindow) {
  FormKAV& kav = OpenEditorOffline();
  kav.mnuClose->trigger();
  EXPECT_FALSE(kav.isVisible());
  EXPECT_TRUE(Main().isVisible());

  PositionSetting();
  kav.close();
  EXPECT_TRUE(Forms::IsLoaded(FormId::KAV));
  EXPECT_FALSE(kav.isVisible());
  EXPECT_TRUE(Main().isVisible());
}

TEST_F(FormKAVTest, ASecondOpeningStartsOnAxisZeroPageZeroInHexadecimal) {
  FormKAV& kav = OpenEditorOffline();
  SelectAxis(kav, 2);
  TypeInCell(kav, 1, 1, "2222");
  kav.mnuSave_Click();  // axis 2's file now differs from axis 0's
  SelectPage(kav, 3);
  SetNotation(kav, axisdata::kUserUnits);
  kav.mnuClose_Click();

  PositionSetting();
  EXPECT_EQ(axisdata::CurAxis, 0);
  EXPECT_EQ(axisdata::CurPage, 0);
  EXPECT_EQ(axisdata::DispMode, axisdata::kHexadecimal);
  EXPECT_EQ(kav.ComboAxis->currentIndex(), 0);
  EXPECT_EQ(kav.ComboPage->currentIndex(), 0);
  EXPECT_EQ(kav.ComboHex->currentIndex(), 0);
  EXPECT_EQ(Cell(kav, 0, 14), "h");
  EXPECT_EQ(Cell(kav, 0, 1), "PCMD [count]");
  EXPECT_EQ(Cell(kav, 1, 1), "320");  // axis 0's own point, from its file
  EXPECT_EQ(PointWord(0, 0, kPCMD), 800);
  EXPECT_EQ(PointWord(2, 0, kPCMD), 0x2222);
}

TEST_F(FormKAVTest, ParameterSettingShowsTheShownAxisModal) {
  FormKAV& kav = OpenEditorOffline();
  SelectAxis(kav, 3);
  std::int16_t shownAxis = -1;
  ui.onShowModal = [&shownAxis](platform::ModalWindow& window) {
    shownAxis = dynamic_cast<FormComEdit&>(window).AxNum();
  };
  kav.mnuPrmEdit->trigger();
  EXPECT_EQ(shownAxis, 3);
}

TEST_F(FormKAVTest, EasyEditOnRowThreeOpensPointTwoWithTheTypedValues) {
  FormKAV& kav = OpenEditorOffline();
  SetNotation(kav, axisdata::kDecimal);
  TypeInCell(kav, 3, 1, "1234");  // typed, not yet stored
  kav.PrgGrid->SetCurrentCell(3, 6);
  std::int16_t shownPoint = -1;
  QString shownPosition;
  ui.onShowModal = [&](platform::ModalWindow& window) {
    auto& editor = dynamic_cast<FormPosEdit&>(window);
    shownPoint = editor.PointNum();
    shownPosition = editor.Text2[0]->text().trimmed();
  };
  kav.mnuQUIRN_Click();
  EXPECT_EQ(shownPoint, 2);
  EXPECT_EQ(shownPosition, "1234");
  EXPECT_EQ(kav.PrgGrid->Row(), 3);  // back on the point, in its first column
  EXPECT_EQ(kav.PrgGrid->Col(), 1);
  EXPECT_EQ(Cell(kav, 3, 1), "1234");
}

TEST_F(FormKAVTest, EasyEditOnTheHeaderRowDoesNothing) {
  FormKAV& kav = OpenEditorOffline();
  kav.PrgGrid->SetCurrentCell(0, 0);
  kav.mnuQUIRN_Click();
  EXPECT_TRUE(ui.modalWindows.empty());
  EXPECT_EQ(kav.PrgGrid->Row(), 0);
}

TEST_F(FormKAVTest, HelpOpensTheProgramsHelpFile) {
  FormKAV& kav = OpenEditorOffline();
  kav.ShowKavHelp();
  ASSERT_EQ(ui.documents.size(), 1u);
  EXPECT_EQ(ui.documents[0], Path("RAZEZOR.HLP"));
}

TEST_F(FormKAVTest, ARefusedCellIsNamedByItsColumnOnEveryPage) {
  FormKAV& kav = OpenEditorOffline();
  SetNotation(kav, axisdata::kDecimal);
  SelectPage(kav, 1);
  TypeInCell(kav, 1, 4, "99999");  // beyond the speed's 16 bits
  SelectPage(kav, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("Point 0, VCMD [0.2r/min]: \"99999\""), std::string::npos)
      << ui.messages[0].text;
}

TEST_F(FormKAVTest, TheEditorShowsTheWholeTextAndAnUntouchedOneSavesItUnchanged) {
  FormKAV& kav = OpenEditorOffline(1);
  QWidget* body = kav.PrgGrid->viewport();
  const auto axis = axisdata::AxisData[0];
  const auto extPoints = axisdata::ExtPointData;

  SetNotation(kav, axisdata::kUserUnits);
  kav.PrgGrid->SetCurrentCell(1, 5);
  kav.PrgGrid->setFocus();
  QTest::keyClick(kav.PrgGrid, Qt::Key_Return);
  EXPECT_EQ(kav.TextIn->text(), "0.306");  // longer than the four characters one may type
  QTest::keyClick(kav.TextIn, Qt::Key_Return);

  SetNotation(kav, axisdata::kHexadecimal);
  TypeInCell(kav, 2, 8, "3");  // typing in a one-character column
  QTest::mouseDClick(body, Qt::LeftButton, {}, CellCentre(kav, 2, 1));
  EXPECT_EQ(kav.TextIn->text(), "FA0");
  QTest::mouseClick(kav.TextIn, Qt::LeftButton);
  SelectPage(kav, 1);
  QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, 1, 1));
  QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, 1, 1));
  EXPECT_EQ(kav.TextIn->text(), "2EE0");
  kav.mnuSave_Click();

  ASSERT_EQ(axisdata::ReadEepFile(0, Path("data/default0.EEP")), std::nullopt);
  ASSERT_EQ(axisdata::ReadXepFile(Path("data/default.XEP")), std::nullopt);
  auto typed = axis;
  axisdata::PointValue(typed, 1)[axisdata::kPLG0] = 3;
  EXPECT_EQ(axisdata::AxisData[0], typed);
  EXPECT_EQ(axisdata::ExtPointData, extPoints);
}

class EditorUntouched : public KavWindowTest, public testing::WithParamInterface<std::int16_t> {};

// Every way of opening and closing the editor without typing, on every cell of a page.
TEST_P(EditorUntouched, LeavesEveryCellAndWord) {
  FormKAV& kav = OpenEditorOffline(1);
  SetNotation(kav, GetParam());
  platform::FlexGrid& grid = *kav.PrgGrid;
  QWidget* body = grid.viewport();
  for (const int page : {0, 1}) {
    SelectPage(kav, page);
    const auto axis = axisdata::AxisData[0];
    const auto extPoints = axisdata::ExtPointData;
    for (int row = 1; row <= 16; ++row) {
      for (int col = 1; col <= 13; ++col) {
        const QString shown = Cell(kav, row, col);
        const auto openCell = [&] {
          grid.SetCurrentCell(row, col);
          grid.scrollTo(grid.model()->index(row - 1, col - 1));
          grid.setFocus();
        };
        openCell();  // Enter opens the editor, Enter closes it
        QTest::keyClick(&grid, Qt::Key_Return);
        EXPECT_EQ(kav.TextIn->text(), shown);
        QTest::keyClick(kav.TextIn, Qt::Key_Return);
        openCell();  // a double click opens it, a click into it takes its text
        QTest::mouseDClick(body, Qt::LeftButton, {}, CellCentre(kav, row, col));
        EXPECT_EQ(kav.TextIn->text(), shown);
        QTest::mouseClick(kav.TextIn, Qt::LeftButton);
        QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(kav, row, col));  // a second click
        QTest::keyClick(kav.TextIn, Qt::Key_Escape);
        openCell();  // left open while the page list stores the grid
        QTest::keyClick(&grid, Qt::Key_Return);
        SelectPage(kav, page);
        EXPECT_EQ(Cell(kav, row, col), shown) << row << ", " << col;
      }
    }
    EXPECT_EQ(axisdata::AxisData[0], axis) << "page " << page;
    EXPECT_EQ(axisdata::ExtPointData, extPoints) << "page " << page;
  }
  EXPECT_TRUE(ui.messages.empty());
}

std::string NotationName(const testing::TestParamInfo<std::int16_t>& info) {
  const char* const names[] = {"Hexadecimal", "Decimal", "UserUnits"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Notations, EditorUntouched,
                         testing::Values(axisdata::kHexadecimal, axisdata::kDecimal,
                                         axisdata::kUserUnits),
                         NotationName);

struct SelectionCase {
  const char* name;
  Selecting way;
  int row, col;      // where the selection begins
  int toRow, toCol;  // where it ends
  const char* status;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class CurrentCell : public KavWindowTest, public testing::WithParamInterface<SelectionCase> {
 protected:
  static void Select(FormKAV& kav, const SelectionCase& c) {
    ShellTest::Select(*kav.PrgGrid, c.way, c.row, c.col, c.toRow, c.toCol);
  }
};

// Paste, Easy Edit, typing and a plain arrow all act from where the selection began.
TEST_P(CurrentCell, StaysWhereTheSelectionBegan) {
  const SelectionCase& c = GetParam();
  FormKAV& kav = OpenEditorOffline(1);
  platform::FlexGrid& grid = *kav.PrgGrid;
  grid.setFocus();
  Select(kav, c);
  EXPECT_EQ(grid.Row(), c.row);
  EXPECT_EQ(grid.Col(), c.col);
  EXPECT_EQ(grid.RowSel(), c.toRow);
  EXPECT_EQ(grid.ColSel(), c.toCol);
  EXPECT_EQ(kav.StatusPanel2->text(), c.status);
  EXPECT_FALSE(kav.TextIn->isVisible());

  const QString above = Cell(kav, c.row - 1, 1), below = Cell(kav, c.row + 2, 1);
  shell::CopyBuffer = "2,1, 1,2, 1,111,222,";  // PCMD of points 0 and 1
  kav.mnuPaste_Click();
  EXPECT_EQ(Cell(kav, c.row - 1, 1), above);
  EXPECT_EQ(Cell(kav, c.row, 1), "111");
  EXPECT_EQ(Cell(kav, c.row + 1, 1), "222");
  EXPECT_EQ(Cell(kav, c.row + 2, 1), below);

  std::int16_t shownPoint = -1;
  ui.onShowModal = [&shownPoint](platform::ModalWindow& window) {
    shownPoint = dynamic_cast<FormPosEdit&>(window).PointNum();
  };
  kav.mnuQUIRN_Click();
  EXPECT_EQ(shownPoint, c.row - 1);

  Select(kav, c);
  QTest::keyClicks(&grid, "7");
  const QRect cell = grid.visualRect(grid.model()->index(c.row - 1, c.col - 1));
  EXPECT_EQ(kav.TextIn->geometry().topLeft(),
            grid.mapTo(kav.centralWidget(), cell.translated(grid.viewport()->pos()).topLeft()));
  QTest::keyClick(kav.TextIn, Qt::Key_Return);
  EXPECT_EQ(Cell(kav, c.row, c.col), "7");
  EXPECT_EQ(Cell(kav, c.toRow, c.toCol) == "7", c.toRow == c.row && c.toCol == c.col);

  Select(kav, c);
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.Row(), c.row + 1);
  EXPECT_EQ(grid.RowSel(), c.row + 1);
  EXPECT_EQ(grid.ColSel(), c.col);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CurrentCell,
    testing::Values(SelectionCase{"DragDown", Selecting::Drag, 9, 1, 10, 1, "19110"},
                    SelectionCase{"DragUp", Selecting::Drag, 10, 1, 9, 1, "11019"},
                    SelectionCase{"DragAcrossColumns", Selecting::Drag, 5, 1, 6, 2, "1526"},
                    SelectionCase{"ShiftClickDown", Selecting::ShiftClick, 9, 1, 10, 1, "19110"},
                    SelectionCase{"ShiftClickUp", Selecting::ShiftClick, 10, 1, 9, 1, "11019"},
                    SelectionCase{"ShiftArrowsDown", Selecting::ShiftArrows, 9, 1, 10, 1, "19110"},
                    SelectionCase{"ShiftArrowsUp", Selecting::ShiftArrows, 10, 1, 9, 1, "11019"},
                    SelectionCase{"ShiftArrowsAcross", Selecting::ShiftArrows, 5, 1, 6, 2, "1526"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderCase {
  const char* name;
  std::int16_t language;
  std::int32_t typeCode;  // of the shown axis: 0 a pulse motor, 1 with expansion 4 a rotary one
  std::int32_t expansion;
  const char* units;  // the shown axis's headers in user units: position and acceleration
  int fontSize = shell::kStartGridFont.size;  // larger: lines taller than the layout's row
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class GridHeaders : public KavWindowTest, public testing::WithParamInterface<HeaderCase> {
 protected:
  // Whether the header text of the column reads whole in a section that wide and as high as the
  // header row: inside the room the style leaves it, wrapped as the header draws it.
  static bool ReadsWhole(const platform::FlexGrid& grid, int col, int width) {
    const QHeaderView& header = *grid.horizontalHeader();
    QRect room(0, 0, width, header.height());
    int flags = Qt::AlignCenter;  // the corner's one line
    if (col > 0) {
      QStyleOptionHeader option;
      option.initFrom(&header);
      option.rect = room;
      room = header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
      flags = grid.horizontalHeaderItem(col - 1)->textAlignment();
    }
    const QString text = grid.TextMatrix(0, col);
    return room.contains(QFontMetrics(header.font()).boundingRect(room, flags, text));
  }
};

TEST_P(GridHeaders, ReadWholeInEveryNotation) {
  const HeaderCase& c = GetParam();
  const shell::LanguageSetup setup = shell::LanguageSetupFor(c.language);
  shell::UiLanguage = c.language;
  shell::GridFont.face = setup.faceName;
  shell::GridFont.size = c.fontSize;
  resources::LoadUiText(*setup.textBase);
  FormKAV& kav = OpenEditorOffline(2);
  axisdata::AxisData[1][axisdata::kTypeCodeWord] = c.typeCode;
  axisdata::ExpansionWord(axisdata::AxisData[1]) = c.expansion;
  SelectAxis(kav, 1);
  const platform::FlexGrid& grid = *kav.PrgGrid;
  EXPECT_EQ(grid.TextMatrix(0, 0).toStdString(), resources::Text(resources::Txt::Point));
  const int layoutHeight = editors::kHeaderRowTwips / platform::kTwipsPerPixel;
  for (const std::int16_t notation :
       {axisdata::kHexadecimal, axisdata::kDecimal, axisdata::kUserUnits}) {
    SetNotation(kav, notation);
    EXPECT_GE(grid.horizontalHeader()->height(), layoutHeight);
    for (int col = 0; col < editors::kMarkerColumn; ++col) {
      const std::string header = grid.TextMatrix(0, col).toStdString();
      const int width = col == 0 ? grid.verticalHeader()->width() : grid.columnWidth(col - 1);
      const int layoutWidth = editors::KavColumnWidthTwips(col) / platform::kTwipsPerPixel;
      EXPECT_TRUE(ReadsWhole(grid, col, width)) << header << " in " << width << " pixels";
      // Widened only as far as the text needs.
      EXPECT_GE(width, layoutWidth) << header;
      if (width > layoutWidth) {
        EXPECT_FALSE(ReadsWhole(grid, col, width - 1)) << header;
      }
    }
  }
  EXPECT_EQ(grid.TextMatrix(0, 1) + " " + grid.TextMatrix(0, 5), c.units);
}

constexpr const char* kMillimetres = "PCMD [mm] ACMD [G]";
constexpr const char* kDegrees = "PCMD [deg] ACMD [r/min/ms]";
constexpr const char* kPulses = "PCMD [pulse] ACMD [r/min/ms]";
constexpr std::int32_t kRotary = 4 << 24;  // the expansion byte of a rotary actuator

INSTANTIATE_TEST_SUITE_P(
    LanguagesAndAxes, GridHeaders,
    testing::Values(HeaderCase{"EnglishLinear", platform::kLangEnglish, 0x0A, 0, kMillimetres},
                    HeaderCase{"EnglishRotary", platform::kLangEnglish, 1, kRotary, kDegrees},
                    HeaderCase{"EnglishPulseMotor", platform::kLangEnglish, 0, 0, kPulses},
                    HeaderCase{"JapaneseLinear", platform::kLangJapanese, 0x0A, 0, kMillimetres},
                    HeaderCase{"JapaneseRotary", platform::kLangJapanese, 1, kRotary, kDegrees},
                    HeaderCase{"JapanesePulseMotor", platform::kLangJapanese, 0, 0, kPulses},
                    HeaderCase{"ChineseLinear", platform::kLangChinese, 0x0A, 0, kMillimetres},
                    HeaderCase{"ChineseRotary", platform::kLangChinese, 1, kRotary, kDegrees},
                    HeaderCase{"ChinesePulseMotor", platform::kLangChinese, 0, 0, kPulses},
                    HeaderCase{"LargerFont", platform::kLangEnglish, 0, 0, kPulses, 14}),
    [](const auto& info) { return std::string(info.param.name); });
