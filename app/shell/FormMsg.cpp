#include "shell/FormMsg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "axisdata/TransferLoop.h"
#include "platform/ScreenCentre.h"
#include "shell/QtText.h"

FormMsg::FormMsg(QWidget* parent)
    : QDialog(parent),
      LblMsg(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)),
      BtnCommand(new QPushButton(this)) {
  setWindowTitle(QStringLiteral("FrmMsg"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  LblMsg->setWordWrap(true);
  LblMsg->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LblMsg);
  layout->addWidget(ProgressBar1);
  layout->addWidget(BtnCommand, 0, Qt::AlignHCenter);
  resize(360, 140);
  connect(BtnCommand, &QPushButton::clicked, this, &FormMsg::BtnCommand_Click);
}

void FormMsg::ShowRunTitle() { setWindowTitle(QStringLiteral("MOR Tool Message")); }

FormMsg::~FormMsg() {
  if (&axisdata::Progress() == this) axisdata::RegisterProgressView(nullptr);
}

void FormMsg::Form_Load() {
  platform::CentreOnScreen(*this);
  axisdata::RegisterProgressView(this);
}

void FormMsg::Begin(const std::string& caption, int maximum, bool cancellable) {
  LblMsg->setText(QString::fromStdString(caption));
  ProgressBar1->setRange(0, maximum);
  ProgressBar1->setValue(0);
  ProgressBar1->setVisible(maximum > 0);
  BtnCommand->setText(shell::Q(resources::Txt::Cancel));
  BtnCommand->setEnabled(cancellable);
  show();
  raise();  // over the window that started the transfer, also when that one came later
  repaint();
}

void FormMsg::SetCaption(const std::string& caption) {
  LblMsg->setText(QString::fromStdString(caption));
  repaint();
}

void FormMsg::SetValue(int value) { ProgressBar1->setValue(value); }

void FormMsg::SetCancellable(bool cancellable) { BtnCommand->setEnabled(cancellable); }

void FormMsg::End() { hide(); }

void FormMsg::BtnCommand_Click() { axisdata::TransferCancel = true; }
