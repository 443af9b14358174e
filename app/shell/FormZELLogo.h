#pragma once
#include <QTimer>
#include <QWidget>

#include "shell/Forms.h"

class QPushButton;

// The splash window: shows the product picture, and after two seconds hands over to the start
// wizard. The version command shows it again as the about window, closed only by its OK button.
class FormZELLogo : public QWidget, public LoadableForm {
  Q_OBJECT

 public:
  explicit FormZELLogo(QWidget* parent = nullptr);

  QWidget* Widget() override { return this; }
  void Form_Load() override;

  // The about use: OK visible, shown until OK is clicked.
  void ShowAbout();

  QPushButton* CmdOK;
  QTimer Timer1;

  void Timer1_Timer();
  void CmdOK_Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};
