#pragma once
#include <array>
#include <cstdint>

#include "editors/ComEditCore.h"
#include "shell/EditorDialog.h"
#include "shell/Forms.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The common-parameter editor of one axis, shown modal by the point-table editor after its
// AxNum is set. Everything it shows comes from the program's set-up ComEdit(); the window copies
// those fields onto its controls whenever they change and hands the user's typing and clicks
// back. OK stores and keeps the window open; Cancel unloads it.
class FormComEdit : public shell::EditorDialog,
                    public LoadableForm,
                    public editors::ComEditView {
  Q_OBJECT

 public:
  explicit FormComEdit(QWidget* parent = nullptr);
  ~FormComEdit() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;

  void AxNum(std::int16_t axis);
  std::int16_t AxNum() const;

  void ShowComParam() override;

  void ComboType_Click(int index);
  void ComboReso_Click(int index);
  void CmbHomeSel_Click(int index);
  void CheckILK_Click();
  void CmdConf_Click();
  void CmdCansel_Click();

  QLabel* LblAxCap;
  QLabel* LblAxNum;
  QLabel* LblTypeCap;
  QLabel* LblTypeName;
  QGroupBox* FrmCoord;
  QLabel* LblType;
  QComboBox* ComboType;
  QLabel* LblReso;
  QComboBox* ComboReso;
  std::array<QLabel*, 6> Label22;
  std::array<QLineEdit*, 2> Text7;  // lead per revolution, unit
  QLabel* LblUnit12;
  QLineEdit* Text8;                 // resolution
  QLabel* LblAccUnit;               // the acceleration unit beside Label22(5)
  QGroupBox* FrmCondition;
  QLabel* LblFwdLimit;
  QLineEdit* TextFwdLimit;
  QLabel* LblUnit7;
  QLabel* LblRvsLimit;
  QLineEdit* TextRvsLimit;
  QLabel* LblUnit8;
  QLabel* Label29;
  QLineEdit* Text5;  // stroke
  QLabel* LblUnit4;
  QLabel* LblHomeSel;
  QComboBox* CmbHomeSel;
  QCheckBox* CheckILK;
  QGroupBox* Frame3;
  QLabel* Label8;
  QLineEdit* TxtHomeVel;
  QLabel* LblSpeedUnit;
  QLabel* Label9;
  QLineEdit* TxtHomeAcc;
  QLabel* LblHAccUnit;
  QLabel* LblODPW;
  QLineEdit* Text3;  // homing current
  QLabel* Label5;
  QGroupBox* Frame10;
  QLabel* Label31;
  QLineEdit* FwdZoneTxt;
  QLabel* LblUnit5;
  QLabel* Label33;
  QLineEdit* RvsZoneTxt;
  QLabel* LblUnit6;
  QPushButton* CmdConf;
  QPushButton* CmdCansel;

 protected:
  void Cancel() override { CmdCansel_Click(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void SetTabOrder();
  void ConnectBoxes();
  void SetFonts();
  void SetCaptions();

  editors::ComEditCore& core_;
};

namespace editors {

// Makes ComEdit() the program's unit set-up and registers the window with the window registry.
void RegisterFormComEdit();

}  // namespace editors
