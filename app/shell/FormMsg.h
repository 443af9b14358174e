#pragma once
#include <QDialog>

#include "axisdata/ProgressView.h"
#include "shell/Forms.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window every transfer and wait shows: a message, a progress bar and a cancel
// button that raises TransferCancel. Transfers drive it through the progress interface only.
class FormMsg : public QDialog, public LoadableForm, public axisdata::ProgressView {
  Q_OBJECT

 public:
  explicit FormMsg(QWidget* parent = nullptr);
  ~FormMsg() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;

  void Begin(const std::string& caption, int maximum, bool cancellable) override;
  void SetCaption(const std::string& caption) override;
  void SetValue(int value) override;
  void SetCancellable(bool cancellable) override;
  void End() override;

  // The title the window carries once the program runs, in place of its design title.
  void ShowRunTitle();

  QLabel* LblMsg;
  QProgressBar* ProgressBar1;
  QPushButton* BtnCommand;

  void BtnCommand_Click();

 protected:
  void reject() override {}  // Esc and the close box do not end a transfer; Cancel does
};
