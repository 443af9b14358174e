#pragma once
#include <QDialog>
#include <array>

#include "shell/Forms.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The scan-list dialog, shown modeless: the axes the gateway scans, its preset mode and the
// point-number backup (image words 128-131). It is filled from the image at every load; OK
// stores the four words and unloads it, Cancel unloads it. Only the image in memory changes,
// and it is not marked as changed.
class frmSetupDlg : public QDialog, public LoadableForm {
  Q_OBJECT

 public:
  explicit frmSetupDlg(QWidget* parent = nullptr);

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  // Shows words 128-131 of the image; the main window calls it when it replaces the image, so
  // an open dialog never writes back values it showed before.
  void ShowImageWords();

  void chkBackup_Click();
  void OptionPoff_Click();
  void OptionPfin_Click();
  void CmdClear_Click();
  void OKButton_Click();
  void CmdCancel_Click();

  QGroupBox* FrameScanList;
  std::array<QCheckBox*, 16> CheckAxis;
  QCheckBox* CkPresetMode;
  QGroupBox* FrameBackup;
  QCheckBox* chkBackup;
  QRadioButton* OptionPoff;
  QRadioButton* OptionPfin;
  QPushButton* CmdClear;
  QPushButton* OKButton;
  QPushButton* CmdCancel;

 protected:
  void reject() override;  // Esc and the close box: as Cancel

 private:
  // The options are exclusive, may both be off, and are usable only with the backup on.
  void SetOptions(bool powerOff, bool posFinish, bool enabled);
};
