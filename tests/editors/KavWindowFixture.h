#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cstdint>

#include "ShellFixture.h"
#include "axisdata/AxisData.h"
#include "axisdata/Notation.h"
#include "axisdata/Tables.h"
#include "editors/ComEditCore.h"
#include "editors/EditorForms.h"
#include "editors/EditorText.h"
#include "editors/FormKAV.h"
#include "platform/DecimalSign.h"
#include "platform/FlexGrid.h"

// The point-table editor among the program's windows: the shell's fixture with the editors
// registered, opened through the main window's "Position Setting" on the shipped default data set.
class KavWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    axisdata::InitActuatorTables();
    editors::FillEditorText(platform::kLangEnglish);
    editors::RegisterEditorForms();
  }

  void TearDown() override {
    ShellTest::TearDown();
    editors::UninstallComEdit();
    editors::ComEdit().Reset();
    platform::SetDecimalSign('.');
  }

  FormKAV& Kav() { return Forms::Get<FormKAV>(FormId::KAV); }

  // The wizard with `axes` axes on the port list's entry `port` (0 "Offline", 1 "COM1"), then
  // "Create New"; the main window on the default data set.
  void StartMain(int axes, int port) {
    WriteFile("vuzovid.ini", "[Window]\r\nDEFAULT=0\r\n");  // online, "Create New" is offered
    FormComSel& wizard = Wizard();
    wizard.show();
    wizard.CmbAxes->setCurrentIndex(axes - 1);
    wizard.cmdOKbtn_Click();
    wizard.CmbPort->setCurrentIndex(port);
    wizard.cmdOKbtn_Click();
    wizard.CmdGo_Click(2);
    axisdata::BaseFileName = Path("data/default");  // a set with every file
  }

  // "Position Setting" of the main window, then the editor made the active window.
  FormKAV& PositionSetting() {
    Main().mnuPosEdit->trigger();
    FormKAV& kav = Kav();
    Activate(kav);
    return kav;
  }

  FormKAV& OpenEditorOffline(int axes = 4) {
    StartMain(axes, 0);
    return PositionSetting();
  }

  static void SetNotation(FormKAV& kav, std::int16_t notation) {
    kav.ComboHex->setCurrentIndex(notation);
    kav.ComboHex_Click();
  }

  static void SelectAxis(FormKAV& kav, int axis) {
    kav.ComboAxis->setCurrentIndex(axis);
    kav.ComboAxis_Click();
  }

  static void SelectPage(FormKAV& kav, int page) {
    kav.ComboPage->setCurrentIndex(page);
    kav.ComboPage_Click();
  }

  // Types `keys` into the cell (row, col): the first key on the grid, the rest in the editor,
  // then Enter.
  static void TypeInCell(FormKAV& kav, int row, int col, const QString& keys) {
    kav.PrgGrid->SetCurrentCell(row, col);
    kav.PrgGrid->setFocus();
    QTest::keyClicks(kav.PrgGrid, keys.left(1));
    QTest::keyClicks(kav.TextIn, keys.mid(1));
    QTest::keyClick(kav.TextIn, Qt::Key_Return);
  }

  static QString Cell(FormKAV& kav, int row, int col) { return kav.PrgGrid->TextMatrix(row, col); }

  static std::int32_t& PointWord(int axis, int point, int k) {
    return axisdata::PointValue(axisdata::AxisData[axis], point)[k];
  }

  using ShellTest::CellCentre;
  static QPoint CellCentre(FormKAV& kav, int row, int col) {
    return CellCentre(*kav.PrgGrid, row, col);
  }
};
