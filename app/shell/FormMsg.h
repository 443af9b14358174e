#pragma once
#include <QDialog>

#include "shell/Forms.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window every transfer shows: a message, a progress bar and a cancel button that
// raises TransferCancel. The transfer sets the texts and the bar; the window itself only
// notes the cancel.
class FormMsg : public QDialog, public LoadableForm {
  Q_OBJECT

 public:
  explicit FormMsg(QWidget* parent = nullptr);

  QWidget* Widget() override { return this; }
  void Form_Load() override;

  QLabel* LblMsg;
  QProgressBar* ProgressBar1;
  QPushButton* BtnCommand;

  void BtnCommand_Click();

 protected:
  void reject() override {}  // Esc and the close box do not end a transfer; Cancel does
};
