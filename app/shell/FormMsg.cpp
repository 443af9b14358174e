#include "shell/FormMsg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "axisdata/TransferLoop.h"
#include "platform/ScreenCentre.h"

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

void FormMsg::Form_Load() {
  platform::CentreOnScreen(*this);
}

void FormMsg::BtnCommand_Click() { axisdata::TransferCancel = true; }
