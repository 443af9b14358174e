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
  // The start actions; the values are the wizard's mode numbers.
  enum class StartMode : std::int16_t {
    OfflineUpload = 0,    // not offered: its button stays hidden offline
    OfflineSample = 1,    // not offered either
    OfflineNew = 2,
    Upload = 3,           // "Upload from the Controllers"
    OpenAndDownload = 4,  // "Open the Existent File and download"
    OnlineNew = 5,
  };
  void StartAction(StartMode mode);

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
  void reject() override {}  // Esc does not end the program; the close box does

 private:
  // The action's steps; false when the user gave up the first-poll wait or the file to
  // download was not opened (no hand-over).
  bool RunStartAction(StartMode mode);

  std::unique_ptr<shell::CIniFileAcc> ini_;
};
