#pragma once
#include <array>
#include <cstdint>

#include "editors/PosEditCore.h"
#include "shell/EditorDialog.h"
#include "shell/Forms.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The single-point editor: one positioning point of one axis, shown modal. A caller sets AxNum,
// PgNum and PointNum (or calls ReadPointData), then shows it with platform::Ui().ShowModal. The
// window copies the fields of its core onto the controls whenever they change and hands the
// user's typing and clicks back. OK asks, writes and unloads the window (it stays open on a
// value it refuses); Cancel unloads it.
class FormPosEdit : public shell::EditorDialog, public LoadableForm, public editors::PosEditView {
  Q_OBJECT

 public:
  explicit FormPosEdit(QWidget* parent = nullptr);
  ~FormPosEdit() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  void Form_Unload() override;

  void SetAxNum(std::int16_t axis);
  std::int16_t AxNum() const;
  void SetPgNum(std::int16_t page);
  std::int16_t PgNum() const;
  void SetPointNum(std::int16_t point);
  std::int16_t PointNum() const;
  std::int16_t MaxPage() const;
  void ReadPointData(std::int16_t axis, std::int16_t point, std::int16_t page);
  editors::WriteResult WritePointData(std::int16_t axis, std::int16_t point, std::int16_t page);

  void ShowPosEdit() override;

  void CommandOK_Click();
  void CommandCansel_Click();

  // Row 5 has no controls: its entries stay nullptr.
  QLabel* LblAxCap;
  QLabel* LblAxNum;
  QLabel* LblPtCap;
  QLabel* LblPtNum;
  QLabel* LblPgCap;
  QLabel* LblPgNum;
  QGroupBox* FrmDataSet;
  std::array<QLabel*, editors::kPosRows> Label10{};
  std::array<QLineEdit*, editors::kPosRows> Text2{};
  std::array<QScrollBar*, editors::kPosRows> HScroll2{};
  std::array<QLineEdit*, editors::kUnitRows> Text4{};
  QLabel* Label3;   // pulse unit of the position
  QLabel* Label18;  // pulse unit of the in-position width or push amount
  QLabel* LblUnit9;
  QLabel* LblUnit10;
  QLabel* LblUnit11;
  QLabel* LblAcclUnit;
  QLabel* Label7;  // percent unit of row 4
  QLabel* Label19;
  QLineEdit* Text6;
  QCheckBox* CheckAccel;
  QCheckBox* CheckIncre;
  QCheckBox* CheckRotate;
  QGroupBox* FrameRotate;
  QRadioButton* OptCWRot;
  QRadioButton* OptCCWRot;
  QGroupBox* FrameStopper;
  QCheckBox* CheckStopper;
  QGroupBox* FrameStopDir;
  QRadioButton* OptionStopFwd;
  QRadioButton* OptionStopRvs;
  QPushButton* CommandOK;
  QPushButton* CommandCansel;

 protected:
  void Cancel() override { CommandCansel_Click(); }
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void SetTabOrder();
  void ConnectControls();
  void SetFonts();
  void SetCaptions();
  void Detach();

  editors::PosEditCore core_;
  bool attached_ = false;  // core_ registered with the unit set-up
};

namespace editors {

// Registers the window with the window registry.
void RegisterFormPosEdit();

}  // namespace editors
