#include <QComboBox>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

#include "ShellFixture.h"
#include "platform/FlexGrid.h"

using platform::MsgAnswer;

namespace {

class FormMainTest : public ShellTest {
 protected:
  // Types keys on the grid's current cell, then presses finish on the editor.
  void TypeInCell(FormMain& main, int row, int col, const QString& keys, Qt::Key finish) {
    main.SyncGrid->SetCurrentCell(row, col);
    main.SyncGrid->setFocus();
    for (const QChar c : keys) {
      QWidget* target = main.Text1->isVisible() ? static_cast<QWidget*>(main.Text1)
                                                : main.SyncGrid;
      QTest::keyClicks(target, QString(c));
    }
    QTest::keyClick(main.Text1, finish);
  }

  QString Cell(FormMain& main, int row, int col) {
    return main.SyncGrid->TextMatrix(row, col);
  }
};

}  // namespace

TEST_F(FormMainTest, GridLayoutAndHeaders) {
  FormMain& main = OpenOffline();
  platform::FlexGrid& grid = *main.SyncGrid;
  EXPECT_EQ(grid.Rows(), 9);
  EXPECT_EQ(grid.Cols(), 17);
  EXPECT_EQ(grid.TextMatrix(0, 0), "Sync. Ax");
  EXPECT_EQ(grid.TextMatrix(3, 0), "Group2");
  EXPECT_EQ(grid.TextMatrix(0, 16), "Ax15");
  EXPECT_EQ(grid.ColWidthTwips(0), 990);  // 1000 twips is 66 whole pixels
  EXPECT_EQ(grid.ColWidthTwips(5), 495);  // 500 twips is 33 whole pixels
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(main.ComboModel->count(), 16);
  EXPECT_EQ(main.TextModel->text(), "Model");
  EXPECT_EQ(main.mnuFiles->title(), "File(&F)");
}

TEST_F(FormMainTest, TypedKeysBecomeOneOrZero) {
  FormMain& main = OpenOffline();
  struct Case {
    const char* keys;
    const char* cell;
  };
  const Case cases[] = {{"1", "1"}, {"5", "0"}, {"11", "0"}, {"a", "0"}, {"0", "0"}};
  for (const Case& c : cases) {
    main.SyncGrid->SetTextMatrix(2, 3, "x");
    TypeInCell(main, 2, 3, c.keys, Qt::Key_Return);
    EXPECT_EQ(Cell(main, 2, 3), c.cell) << c.keys;
    EXPECT_FALSE(main.Text1->isVisible());
  }
  EXPECT_EQ(main.SyncGrid->Row(), 3);  // Enter moved one row down
  EXPECT_TRUE(shell::DataModified);
  TypeInCell(main, 2, 3, "1", Qt::Key_Return);
  main.ComboModel_Click();  // the image takes the committed cell
  EXPECT_EQ(shell::PrgData[1], 1 << 2);
}

TEST_F(FormMainTest, EscapeDiscardsTheEdit) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 4, 4, "1", Qt::Key_Escape);
  EXPECT_EQ(Cell(main, 4, 4), "0");
  EXPECT_FALSE(main.Text1->isVisible());
  EXPECT_EQ(main.SyncGrid->Row(), 4);
}

TEST_F(FormMainTest, EnterStopsAtTheLastRowAndUpAtTheFirst) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 8, 2, "1", Qt::Key_Return);
  EXPECT_EQ(main.SyncGrid->Row(), 8);
  EXPECT_EQ(Cell(main, 8, 2), "1");
  TypeInCell(main, 1, 2, "1", Qt::Key_Up);
  EXPECT_EQ(main.SyncGrid->Row(), 1);
  EXPECT_EQ(Cell(main, 1, 2), "1");
  TypeInCell(main, 3, 2, "1", Qt::Key_Up);
  EXPECT_EQ(main.SyncGrid->Row(), 2);
}

TEST_F(FormMainTest, DoubleClickAndF2EditTheCellsOwnText) {
  FormMain& main = OpenOffline();
  main.SyncGrid->SetTextMatrix(1, 1, "1");
  main.SyncGrid->SetCurrentCell(1, 1);
  main.SyncGrid->setFocus();
  QTest::keyClick(main.SyncGrid, Qt::Key_F2);
  ASSERT_TRUE(main.Text1->isVisible());
  EXPECT_EQ(main.Text1->text(), "1");
  EXPECT_EQ(main.Text1->cursorPosition(), 1);
  QTest::keyClick(main.Text1, Qt::Key_Escape);
  emit main.SyncGrid->DblClick();
  EXPECT_TRUE(main.Text1->isVisible());
  EXPECT_EQ(main.Text1->text(), "1");
}

TEST_F(FormMainTest, SwitchingModelsAndBackShowsTheSameCells) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 5, 7, "1", Qt::Key_Return);
  main.ComboModel->setCurrentIndex(9);
  main.ComboModel_Click();
  EXPECT_EQ(Cell(main, 5, 7), "0");
  TypeInCell(main, 1, 16, "1", Qt::Key_Return);
  main.ComboModel->setCurrentIndex(0);
  main.ComboModel_Click();
  EXPECT_EQ(Cell(main, 5, 7), "1");
  EXPECT_EQ(shell::PrgData[4], 1 << 6);
  EXPECT_EQ(shell::PrgData[9 * 8], static_cast<int32_t>(0xFFFF8000u));
}

TEST_F(FormMainTest, ClosePromptAnswers) {
  FormMain& main = OpenOffline();
  shell::CurFileName = Path("closing.zel");
  shell::DataModified = true;

  ui.answers = {MsgAnswer::Cancel};
  main.close();
  ASSERT_TRUE(Forms::IsLoaded(FormId::Main));
  EXPECT_EQ(ui.messages.back().text,
            "closing.zel This file has been changed, do you want to save it?");
  EXPECT_EQ(ui.messages.back().buttons, platform::MsgButtons::YesNoCancel);

  ui.answers = {MsgAnswer::Yes};
  main.close();
  EXPECT_FALSE(Forms::IsLoaded(FormId::Main));
  EXPECT_FALSE(Forms::IsLoaded(FormId::ComSel));  // the main window takes the others along
  EXPECT_EQ(ReadFile(Path("closing.zel")).substr(0, 5), "\"0\"\r\n");
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(FormMainTest, CloseWithNoDiscardsAndCancelKeepsTheWheelWorking) {
  FormMain& main = OpenOffline();
  shell::DataModified = true;
  ui.answers = {MsgAnswer::Cancel};
  main.close();
  main.resize(main.width(), 150);  // room for one or two rows, so the grid can scroll
  QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(main.SyncGrid->viewport(), &notch);
  EXPECT_EQ(main.SyncGrid->TopRow(), 4);

  ui.answers = {MsgAnswer::No};
  main.close();
  EXPECT_FALSE(Forms::IsLoaded(FormId::Main));
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(FormMainTest, AFailedSaveInThePromptKeepsTheWindowAndTheChanges) {
  FormMain& main = OpenOffline();
  shell::CurFileName = Path("missing-folder/x.zel");
  shell::DataModified = true;
  ui.answers = {MsgAnswer::Yes};
  main.close();
  EXPECT_TRUE(Forms::IsLoaded(FormId::Main));
  EXPECT_TRUE(shell::DataModified);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[1].text.find("x.zel"), std::string::npos);

  ui.answers = {MsgAnswer::Yes};
  main.mnuQuit_Click();
  EXPECT_TRUE(Forms::IsLoaded(FormId::Main));
}

TEST_F(FormMainTest, WheelScrollsThreeRowsWithinTheGrid) {
  FormMain& main = OpenOffline();
  main.resize(main.width(), 120);
  platform::FlexGrid& grid = *main.SyncGrid;
  const int expectedDown[] = {4, 7, 8, 8};
  for (int expected : expectedDown) {
    main.MouseWheel(0, -120, 0, 0);
    EXPECT_EQ(grid.TopRow(), expected);
  }
  const int expectedUp[] = {5, 2, 1, 1};
  for (int expected : expectedUp) {
    main.MouseWheel(0, 120, 0, 0);
    EXPECT_EQ(grid.TopRow(), expected);
  }
}

TEST_F(FormMainTest, OnlyAVerticalWheelTurnScrolls) {
  FormMain& main = OpenOffline();
  main.resize(main.width(), 150);
  QWheelEvent sideways(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(-120, 0), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(main.SyncGrid->viewport(), &sideways);
  EXPECT_EQ(main.SyncGrid->TopRow(), 1);
}

TEST_F(FormMainTest, TheEditorFollowsItsCellWhenTheGridScrolls) {
  FormMain& main = OpenOffline();
  main.resize(main.width(), 150);
  main.SyncGrid->SetCurrentCell(1, 1);
  main.SyncGrid->setFocus();
  QTest::keyClicks(main.SyncGrid, "1");
  ASSERT_TRUE(main.Text1->isVisible());
  main.MouseWheel(0, -120, 0, 0);  // row 1 leaves the view
  EXPECT_FALSE(main.Text1->isVisible());
  main.MouseWheel(0, 120, 0, 0);
  EXPECT_TRUE(main.Text1->isVisible());
  const QRect cell = main.SyncGrid->CurrentCellRect().translated(main.SyncGrid->pos());
  EXPECT_EQ(main.Text1->geometry(), cell);
  QTest::keyClick(main.Text1, Qt::Key_Return);
  EXPECT_EQ(Cell(main, 1, 1), "1");
}

TEST_F(FormMainTest, SaveAndOpenRoundTripInBothForms) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 1, 1, "1", Qt::Key_Return);
  shell::PrgData[128] = static_cast<int32_t>(0xFFFF8001u);
  shell::PrgData[132] = 12345;
  shell::CurFileName = Path("quoted.zel");
  ASSERT_TRUE(main.mnuSave_Click());
  EXPECT_EQ(ReadFile(Path("quoted.zel")).substr(0, 5), "\"1\"\r\n");

  ui.dialogAnswers = {Path("bare.zel")};
  ASSERT_TRUE(main.mnuSaveAs_Click());
  EXPECT_EQ(ReadFile(Path("bare.zel")).substr(0, 3), "1\r\n");
  EXPECT_EQ(axisdata::BaseFileName, Path("bare"));
  EXPECT_EQ(shell::CsvFileName, Path("bare.CSV"));
  EXPECT_TRUE(ui.dialogs.back().save);
  EXPECT_TRUE(ui.dialogs.back().confirmOverwrite);
  EXPECT_EQ(ui.dialogs.back().filter, "ZEL files (*.zhel)|*.zel");

  for (const char* name : {"quoted.zel", "bare.zel"}) {
    const auto saved = shell::PrgData;
    shell::PrgData.fill(0);
    main.SyncGrid->SetTextMatrix(1, 1, "0");
    shell::DataModified = true;
    ui.dialogAnswers = {Path(name)};
    main.mnuOpen_Click();
    EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + 133, shell::PrgData.begin())) << name;
    EXPECT_EQ(Cell(main, 1, 1), "1");
    EXPECT_FALSE(shell::DataModified);
    EXPECT_EQ(shell::CurFileName, Path(name));
    EXPECT_EQ(main.StatusPanel1->text().toStdString(), Path(name));
  }
}

TEST_F(FormMainTest, OpenReadsCommasAndAxis15EitherWay) {
  FormMain& main = OpenOffline();
  WriteFile("axis15.zel", ZelText({"32768", "-32768", "0", "0", "0", "1,2"}));
  ui.dialogAnswers = {Path("axis15.zel")};
  main.mnuOpen_Click();
  EXPECT_EQ(Cell(main, 1, 16), "1");
  EXPECT_EQ(Cell(main, 2, 16), "1");
  EXPECT_EQ(shell::PrgData[5], 1);
  EXPECT_EQ(shell::PrgData[6], 2);
  shell::WritePrgData(*main.SyncGrid, 0);
  EXPECT_EQ(shell::PrgData[0], -32768);
}

TEST_F(FormMainTest, AFailedOpenKeepsImageNamesAndState) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 1, 1, "1", Qt::Key_Return);
  shell::WritePrgData(*main.SyncGrid, 0);
  const auto before = shell::PrgData;
  const std::string name = shell::CurFileName;
  WriteFile("short.zel", ZelText({"5"}, 132));
  ui.dialogAnswers = {Path("short.zel")};
  main.mnuOpen_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("132 of 133"), std::string::npos);
  EXPECT_EQ(shell::PrgData, before);
  EXPECT_EQ(shell::CurFileName, name);
  EXPECT_TRUE(shell::DataModified);
  EXPECT_EQ(Cell(main, 1, 1), "1");

  ui.dialogAnswers = {std::nullopt};  // a cancelled dialog changes nothing and says nothing
  main.mnuOpen_Click();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(shell::CurFileName, name);
}

TEST_F(FormMainTest, SaveAsWithoutExtensionWritesTheWholeName) {
  FormMain& main = OpenOffline();
  ui.dialogAnswers = {Path("plain")};
  ASSERT_TRUE(main.mnuSaveAs_Click());
  EXPECT_EQ(ReadFile(Path("plain")).size(), 133 * 3u);
  EXPECT_EQ(axisdata::BaseFileName, Path("plain"));
  EXPECT_EQ(shell::CsvFileName, Path("plain.CSV"));

  ui.dialogAnswers = {std::nullopt};
  EXPECT_FALSE(main.mnuSaveAs_Click());
  EXPECT_EQ(shell::CurFileName, Path("plain"));
}

TEST_F(FormMainTest, ASaveAsThatWritesNothingKeepsThePreviousNames) {
  FormMain& main = OpenOffline();
  const shell::DataSetNames before = shell::CurrentDataSetNames();
  shell::DataModified = true;
  ui.dialogAnswers = {Path("no/such/folder/x.zel")};
  EXPECT_FALSE(main.mnuSaveAs_Click());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(shell::CurFileName, before.zel);
  EXPECT_EQ(axisdata::BaseFileName, before.base);
  EXPECT_EQ(shell::CsvFileName, before.csv);
  EXPECT_TRUE(shell::DataModified);
}

TEST_F(FormMainTest, CsvExportAndImportOfOneModel) {
  FormMain& main = OpenOffline();
  TypeInCell(main, 1, 2, "1", Qt::Key_Return);
  for (int round = 0; round < 2; ++round) {
    ui.dialogAnswers = {Path("out.csv")};
    main.mnuCSVExport_Click();
    const std::string csv = ReadFile(Path("out.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 9);
    EXPECT_EQ(csv.substr(0, csv.find('\r')),
              "Sync. Ax,Ax00,Ax01,Ax02,Ax03,Ax04,Ax05,Ax06,Ax07,Ax08,Ax09,Ax10,Ax11,Ax12,Ax13,Ax14,"
              "Ax15");
    EXPECT_NE(csv.find("\r\nGroup0,0,1,0,0"), std::string::npos);
  }
  EXPECT_EQ(shell::CsvFileName, Path("out.csv"));

  shell::DataModified = false;
  std::string in = "Sync. Ax\r\nGroup0,1,1\r\n";
  for (int g = 1; g < 8; ++g) in += "Group" + std::to_string(g) + ",0\r\n";
  WriteFile("in.csv", in);
  ui.dialogAnswers = {Path("in.csv")};
  main.mnuCSVImport_Click();
  for (int c = 1; c <= 16; ++c) EXPECT_EQ(Cell(main, 1, c), "1") << c;
  EXPECT_EQ(Cell(main, 0, 1), "Sync. Ax");  // the header row is overwritten too
  EXPECT_TRUE(shell::DataModified);

  WriteFile("two.csv", "a\r\nb\r\n");
  ui.dialogAnswers = {Path("two.csv")};
  main.mnuCSVImport_Click();
  EXPECT_NE(ui.messages.back().text.find("2 of 9"), std::string::npos);
  EXPECT_EQ(Cell(main, 1, 1), "1");
}

TEST_F(FormMainTest, AnImportWithAnOverlongCellLeavesTheGridAsItWas) {
  FormMain& main = OpenOffline();
  std::string in = "Sync. Ax\r\nGroup0,1," + std::string(60'000, '1') + "\r\n";
  for (int g = 1; g < 8; ++g) in += "Group" + std::to_string(g) + ",0\r\n";
  WriteFile("long.csv", in);
  ui.dialogAnswers = {Path("long.csv")};
  main.mnuCSVImport_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("line 2 holds a cell of more than 64"), std::string::npos);
  EXPECT_EQ(Cell(main, 1, 1), "0");
  EXPECT_EQ(Cell(main, 1, 2), "0");
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(FormMainTest, AReadOnlyTargetFailsSaveExportAndTheClosePrompt) {
  FormMain& main = OpenOffline();
  for (const char* name : {"locked.zel", "locked.csv"}) {
    WriteFile(name, "old");
    std::filesystem::permissions(Path(name), std::filesystem::perms::owner_read);
  }
  shell::CurFileName = Path("locked.zel");
  shell::DataModified = true;
  EXPECT_FALSE(main.mnuSave_Click());
  ui.dialogAnswers = {Path("locked.csv")};
  main.mnuCSVExport_Click();
  ui.answers = {MsgAnswer::Yes};
  main.close();
  EXPECT_TRUE(Forms::IsLoaded(FormId::Main));
  EXPECT_TRUE(shell::DataModified);
  ASSERT_EQ(ui.messages.size(), 4u);  // save, export, the prompt, its save
  for (const size_t i : {0u, 1u, 3u}) {
    EXPECT_NE(ui.messages[i].text.find("Permission denied"), std::string::npos) << ui.messages[i].text;
  }
  EXPECT_EQ(ReadFile(Path("locked.zel")), "old");
  EXPECT_EQ(ReadFile(Path("locked.csv")), "old");
}

TEST_F(FormMainTest, HelpAndVersion) {
  FormMain& main = OpenOffline();
  ui.documentOpens = false;
  main.mnuNoteHelp_Click();
  ASSERT_EQ(ui.documents.size(), 1u);
  EXPECT_EQ(ui.documents[0], Path("RAZEZOR.HLP"));
  EXPECT_EQ(ui.messages.back().text, Path("RAZEZOR.HLP") + " file isn't exist.");
}

TEST_F(FormMainTest, StartingAnEditWithoutTypingChangesNothing) {
  FormMain& main = OpenOffline();
  platform::FlexGrid& grid = *main.SyncGrid;
  for (int group = 0; group < 8; ++group) shell::PrgData[group] = 0x5A5A >> group;
  shell::ReadPrgData(grid, 0);
  const auto image = shell::PrgData;
  for (int row = 1; row <= 8; ++row) {
    for (int col = 1; col <= 16; ++col) {
      const QString shown = Cell(main, row, col);
      const auto openCell = [&](Qt::Key key) {
        grid.SetCurrentCell(row, col);
        grid.setFocus();
        QTest::keyClick(&grid, key);
        EXPECT_EQ(main.Text1->text(), shown);
      };
      openCell(Qt::Key_F2);
      QTest::keyClick(main.Text1, Qt::Key_Return);
      openCell(Qt::Key_F2);
      QTest::keyClick(main.Text1, Qt::Key_Escape);
      openCell(Qt::Key_Space);
      grid.setFocus();  // a click back on the grid takes the editor's text
      EXPECT_EQ(Cell(main, row, col), shown) << row << ", " << col;
    }
  }
  main.ComboModel_Click();
  EXPECT_EQ(shell::PrgData, image);
  EXPECT_FALSE(shell::DataModified);
}

TEST_F(FormMainTest, GeometryFromTheIniFile) {
  struct Case {
    const char* ini;
    bool maximized;
    QSize size;
  };
  const Case cases[] = {
      {"", false, QSize(682, 453)},  // no keys: 10240 x 6800 twips
      {"[Window]\r\nDEFAULT=0\r\nMAXIMIZED=1\r\nWIDTH=3000\r\n", true, QSize()},
      {"[Window]\r\nDEFAULT=0\r\nWIDTH=9000\r\nHEIGHT=6000\r\nLEFT=1500\r\nTOP=1500\r\n", false,
       QSize(600, 400)},
      {"[Window]\r\nDEFAULT=0\r\nWIDTH=wide\r\n", false, QSize(682, 453)},  // unreadable: default
      {"[Window]\r\nDEFAULT=1\r\nWIDTH=9000\r\nHEIGHT=6000\r\n", false, QSize(682, 453)},
      // No larger than the screen's free area, and on it.
      {"[Window]\r\nDEFAULT=0\r\nWIDTH=2147483647\r\nHEIGHT=2147483647\r\n"
       "LEFT=2147483647\r\nTOP=-2147483648\r\n",
       false, QGuiApplication::primaryScreen()->availableGeometry().size()},
  };
  for (const Case& c : cases) {
    WriteFile("vuzovid.ini", c.ini);
    FormMain& main = Main();
    EXPECT_EQ(main.windowState().testFlag(Qt::WindowMaximized), c.maximized) << c.ini;
    if (!c.maximized) {
      EXPECT_EQ(main.size(), c.size) << c.ini;
      EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(main.geometry()))
          << c.ini;
    }
    Forms::Unload(FormId::Main);
  }
}

TEST_F(FormMainTest, ToolbarTipsAndATinyWindow) {
  FormMain& main = OpenOffline();
  EXPECT_EQ(main.ToolbarButtons["open"]->toolTip(), "Open the file");
  EXPECT_EQ(main.ToolbarButtons["save"]->toolTip(), "Save the file as ...");
  EXPECT_EQ(main.ToolbarButtons["upload"]->toolTip(), "Upload from MOR-3x");
  EXPECT_EQ(main.ToolbarButtons["download"]->toolTip(), "Download to MOR-3x");
  main.resize(20, 10);  // lower than the toolbar and the status bar together
  QCoreApplication::processEvents();
  EXPECT_GE(main.SyncGrid->height(), 0);
  main.resize(800, 500);
  QCoreApplication::processEvents();
  EXPECT_GT(main.SyncGrid->height(), 100);
}

namespace {

struct SyncSelectionCase {
  const char* name;
  Selecting way;
  int row, col;      // where the selection begins
  int toRow, toCol;  // where it ends
};

void PrintTo(const SyncSelectionCase& c, std::ostream* os) { *os << c.name; }

class SyncCurrentCell : public FormMainTest,
                        public testing::WithParamInterface<SyncSelectionCase> {};

}  // namespace

TEST_P(SyncCurrentCell, TypingGoesWhereTheSelectionBegan) {
  const SyncSelectionCase& c = GetParam();
  FormMain& main = OpenOffline();
  platform::FlexGrid& grid = *main.SyncGrid;
  grid.setFocus();
  Select(grid, c.way, c.row, c.col, c.toRow, c.toCol);
  QWidget* body = grid.viewport();
  EXPECT_EQ(grid.Row(), c.row);
  EXPECT_EQ(grid.Col(), c.col);
  EXPECT_EQ(grid.RowSel(), c.toRow);
  EXPECT_EQ(grid.ColSel(), c.toCol);

  QTest::keyClicks(&grid, "1");
  const QRect cell = grid.visualRect(grid.model()->index(c.row - 1, c.col - 1));
  EXPECT_EQ(main.Text1->geometry(), cell.translated(grid.pos() + body->pos()));
  QTest::keyClick(main.Text1, Qt::Key_Return);
  EXPECT_EQ(Cell(main, c.row, c.col), "1");
  EXPECT_EQ(Cell(main, c.toRow, c.toCol), "0");
  EXPECT_EQ(grid.Row(), c.row + 1);  // Enter moves on from the current cell
  EXPECT_EQ(grid.Col(), c.col);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SyncCurrentCell,
    testing::Values(SyncSelectionCase{"DragDown", Selecting::Drag, 2, 3, 4, 5},
                    SyncSelectionCase{"DragUp", Selecting::Drag, 4, 5, 2, 3},
                    SyncSelectionCase{"ShiftClick", Selecting::ShiftClick, 5, 2, 3, 4},
                    SyncSelectionCase{"ShiftArrows", Selecting::ShiftArrows, 2, 3, 3, 4}),
    [](const auto& info) { return std::string(info.param.name); });
