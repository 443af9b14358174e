#include "shell/FormMsg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "axisdata/TransferLoop.h"

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
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void FormMsg::BtnCommand_Click() { axisdata::TransferCancel = true; }
