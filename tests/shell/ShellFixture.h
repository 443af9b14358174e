#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ScriptedUi.h"
#include "axisdata/FileInput.h"
#include "axisdata/Selection.h"
#include "axisdata/TransferLoop.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramFolder.h"
#include "shell/FormComSel.h"
#include "shell/FormMain.h"
#include "shell/Forms.h"
#include "shell/ModuleMain.h"
#include "shell/Program.h"
#include "shell/SyncImage.h"
#include "resources/UiText.h"

// The shell's windows over a program folder of the test's own: data/ with the shipped default
// files, the link library beside them, an optional vuzovid.ini. English texts, scripted UI.
// Ways a user selects a block of grid cells.
enum class Selecting { Drag, ShiftClick, ShiftArrows };

class ShellTest : public testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    const std::string real = platform::ProgramFolder();
    char tmpl[] = "/tmp/vuz-shell-XXXXXX";
    folder_ = mkdtemp(tmpl);
    fs::copy(real + "/data", folder_ + "/data", fs::copy_options::recursive);
    fs::create_symlink(real + "/libklvndrv.so", folder_ + "/libklvndrv.so");
    platform::SetProgramFolderForTesting(folder_);
    shell::ResetSharedState();
    resources::LoadUiText(4000);
    shell::RegisterShellForms();
  }

  void TearDown() override {
    shell::EndProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::SetProgramFolderForTesting("");
    std::filesystem::remove_all(folder_);
  }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string ReadFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  FormMain& Main() { return Forms::Get<FormMain>(FormId::Main); }
  FormComSel& Wizard() { return Forms::Get<FormComSel>(FormId::ComSel); }

  // Runs the wizard to "Offline", "Create New" and makes the main window the active one.
  FormMain& OpenOffline() {
    FormComSel& wizard = Wizard();
    wizard.show();
    wizard.cmdOKbtn_Click();
    wizard.CmbPort->setCurrentIndex(0);
    wizard.cmdOKbtn_Click();
    wizard.CmdGo_Click(2);
    FormMain& main = Main();
    Activate(main);
    return main;
  }

  static void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // The centre of body cell (row, col) in the grid's viewport.
  static QPoint CellCentre(const platform::FlexGrid& grid, int row, int col) {
    return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
  }

  // The left button pressed on body cell (row, col), moved to (toRow, toCol) and released there.
  static void Drag(platform::FlexGrid& grid, int row, int col, int toRow, int toCol) {
    QWidget* body = grid.viewport();
    const QPoint to = CellCentre(grid, toRow, toCol);
    QTest::mousePress(body, Qt::LeftButton, {}, CellCentre(grid, row, col));
    QMouseEvent move(QEvent::MouseMove, to, body->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(body, &move);
    QTest::mouseRelease(body, Qt::LeftButton, {}, to);
  }

  // Selects a block of cells as a user would, from (row, col) to (toRow, toCol).
  static void Select(platform::FlexGrid& grid, Selecting way, int row, int col, int toRow,
                     int toCol) {
    QWidget* body = grid.viewport();
    if (way == Selecting::Drag) {
      Drag(grid, row, col, toRow, toCol);
      return;
    }
    QTest::mouseClick(body, Qt::LeftButton, {}, CellCentre(grid, row, col));
    if (way == Selecting::ShiftClick) {
      QTest::mouseClick(body, Qt::LeftButton, Qt::ShiftModifier, CellCentre(grid, toRow, toCol));
      return;
    }
    for (int r = row; r != toRow; r += toRow > r ? 1 : -1) {
      QTest::keyClick(&grid, toRow > r ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
    }
    for (int c = col; c != toCol; c += toCol > c ? 1 : -1) {
      QTest::keyClick(&grid, toCol > c ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
    }
  }

  // "0\r\n..." ZEL text with the given leading values.
  static std::string ZelText(const std::vector<std::string>& values, size_t count = 133) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += (i < values.size() ? values[i] : "0") + "\r\n";
    return text;
  }

  ScriptedUi ui;
  std::string folder_;
};
