#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "shell/Forms.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace shell {
class CIniFileAcc;
}

// The start wizard: the number of axes, then the port or "Offline", then the start actions.
// Online, the link is opened before an action runs; a port that cannot be opened ends the
// program.
class FormComSel : public QDialog, public LoadableForm {
  Q_OBJECT

 public:
  explicit FormComSel(QWidget* parent = nullptr);
  ~FormComSel() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  void Form_Unload() override;

  void cmdOKbtn_Click();
  void CmdGo_Click(int Index);
  void StartAction(std::int16_t mode);

  QLabel* LblMsg;
  QLabel* LblAxes;
  QComboBox* CmbAxes;
  QLabel* LblPort;
  QComboBox* CmbPort;
  QPushButton* cmdOKbtn;
  std::array<QPushButton*, 4> CmdGo;

  std::int16_t WizardStep = 0;
  std::int32_t FirstPollData = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Waits for a gateway poll whose state nibble (bits 28-31) is zero (wantZero) or not, answering
  // every poll with code 4 meanwhile. False when the user gave up the wait.
  bool WaitForFirstPoll(bool wantZero);

  std::unique_ptr<shell::CIniFileAcc> ini_;
};
