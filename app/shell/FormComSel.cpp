#include "shell/FormComSel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "axisdata/Selection.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "platform/ScreenCentre.h"
#include "platform/UiServices.h"
#include "shell/CIniFileAcc.h"
#include "shell/FormMain.h"
#include "shell/FormMsg.h"
#include "shell/ModuleMain.h"
#include "shell/Program.h"
#include "resources/UiText.h"
#include "shell/QtText.h"

using resources::Text;
using resources::Tip;
using resources::Txt;
using shell::Q;

namespace {


constexpr std::int32_t kStartupPollAnswer = 4;

}  // namespace

FormComSel::FormComSel(QWidget* parent)
    : QDialog(parent),
      LblMsg(new QLabel(this)),
      LblAxes(new QLabel(this)),
      CmbAxes(new QComboBox(this)),
      LblPort(new QLabel(this)),
      CmbPort(new QComboBox(this)),
      cmdOKbtn(new QPushButton(QStringLiteral("OK"), this)),
      CmdGo{new QPushButton(this), new QPushButton(this), new QPushButton(this),
            new QPushButton(this)} {
  setWindowTitle(QStringLiteral("COM Port Selection"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  LblMsg->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LblMsg);
  auto* axes = new QHBoxLayout;
  axes->addWidget(LblAxes);
  axes->addWidget(CmbAxes);
  layout->addLayout(axes);
  auto* port = new QHBoxLayout;
  port->addWidget(LblPort);
  port->addWidget(CmbPort);
  layout->addLayout(port);
  for (int i = 0; i < 4; ++i) {
    layout->addWidget(CmdGo[i]);
    connect(CmdGo[i], &QPushButton::clicked, this, [this, i] { CmdGo_Click(i); });
  }
  layout->addWidget(cmdOKbtn, 0, Qt::AlignRight);
  connect(cmdOKbtn, &QPushButton::clicked, this, &FormComSel::cmdOKbtn_Click);
  resize(420, 220);
}

FormComSel::~FormComSel() = default;

void FormComSel::Form_Load() {
  QFont font = this->font();
  if (!shell::UiFontName.empty()) font.setFamily(QString::fromStdString(shell::UiFontName));
  for (QWidget* w : std::initializer_list<QWidget*>{LblMsg, LblPort, CmbPort, LblAxes, CmbAxes,
                                                    CmdGo[0], CmdGo[1], CmdGo[2], CmdGo[3]}) {
    w->setFont(font);
  }
  for (int n = 1; n <= 16; ++n) CmbAxes->addItem(QString::number(n));
  CmbPort->addItem(Q(Txt::Offline));
  for (int n = 1; n <= 9; ++n) CmbPort->addItem(QStringLiteral("COM%1").arg(n));
  CmbAxes->setCurrentIndex(0);
  CmbPort->setCurrentIndex(0);
  LblAxes->setText(Q(Txt::OperationAxes));
  LblPort->setText(Q(Txt::SerialPort));
  for (QPushButton* b : CmdGo) b->hide();
  LblPort->hide();
  CmbPort->hide();
  LblAxes->show();
  CmbAxes->show();
  LblMsg->setText(Q(Txt::SelectAxes));
  WizardStep = 0;
  platform::CentreOnScreen(*this);
}

void FormComSel::cmdOKbtn_Click() {
  if (WizardStep == 0) {
    axisdata::AxisCount = static_cast<std::int16_t>(CmbAxes->currentIndex() + 1);
    LblAxes->hide();
    CmbAxes->hide();
    LblPort->show();
    CmbPort->show();
    LblMsg->setText(Q(Txt::SelectPort));
    WizardStep = 1;
    return;
  }
  LblPort->hide();
  CmbPort->hide();
  cmdOKbtn->hide();
  ini_ = std::make_unique<shell::CIniFileAcc>();
  CmdGo[0]->setText(Q(Txt::OpenExistent));
  CmdGo[1]->setText(Q(Txt::OpenSample));
  CmdGo[2]->setText(Q(Txt::CreateNew));
  if (CmbPort->currentIndex() == 0) {
    CmdGo[0]->hide();
    CmdGo[1]->hide();
    CmdGo[2]->show();
    LblMsg->setText(Q(Txt::NewOrSample));
    return;
  }
  const bool allActions = ini_->Item("Window", "DEFAULT") == "0";
  CmdGo[0]->setText(Q(Txt::UploadFromControllers));
  CmdGo[1]->setText(Q(Txt::OpenAndDownload));
  CmdGo[3]->setText(Q(Txt::RunStatusMonitor));
  CmdGo[0]->show();
  CmdGo[1]->setVisible(allActions);
  CmdGo[2]->setVisible(allActions);
  CmdGo[3]->show();
  // The run-status monitor belongs to a window this program does not have yet.
  CmdGo[3]->setEnabled(Forms::IsRegistered(FormId::Monitor));
  LblMsg->setText(Q(allActions ? Txt::NewOrSample : Txt::WillUpload));
}

void FormComSel::CmdGo_Click(int Index) {
  FormMain& main = Forms::Get<FormMain>(FormId::Main);
  if (CmbPort->currentIndex() == 0) {
    shell::ComPortName.clear();
    shell::OfflineMode = true;
    main.SetTransferEnabled(false);
    StartAction(Index == 0 ? 0 : Index == 1 ? 1 : 2);
    return;
  }
  shell::ComPortName = CmbPort->currentText().toStdString();
  shell::OfflineMode = false;
  main.SetTransferEnabled(true);
  if (klvn::init_klvn_slave(shell::ComPortName.c_str()) != 1) {
    platform::Ui().MessageBox(Text(Txt::PortUsed), platform::MsgButtons::Ok,
                              platform::MsgIcon::Exclamation, "VUZOvid");
    shell::EndProgram();
    return;
  }
  if (klvn::get_klvn_state() != klvn::kLinkReady) {
    platform::Ui().MessageBox(Text(Txt::PortCantInit), platform::MsgButtons::Ok,
                              platform::MsgIcon::Exclamation, "VUZOvid");
    shell::EndProgram();
    return;
  }
  switch (Index) {
    case 0: StartAction(3); break;
    case 1: StartAction(4); break;
    case 2: StartAction(5); break;
    default:
      if (LoadableForm* monitor = Forms::Load(FormId::Monitor)) {
        monitor->Widget()->show();
        hide();
      }
      break;
  }
}

void FormComSel::StartAction(std::int16_t mode) {
  FormMain& main = Forms::Get<FormMain>(FormId::Main);
  main.SetUpSyncGrid(*main.SyncGrid);
  switch (mode) {
    case 0:
      main.DefaultFileOpen(true);
      main.mnuUpload_Click();
      break;
    case 1: main.DefaultFileOpen(false); break;
    case 2: main.DefaultFileOpen(true); break;
    case 3:
      if (!WaitForFirstPoll(true)) return;
      main.DefaultFileOpen(true);
      main.mnuUpload_Click();
      break;
    case 4:
      if (!WaitForFirstPoll(false)) return;
      main.DefaultFileOpen(true);
      main.mnuOpen_Click();
      main.mnuDownload_Click();
      break;
    default: main.DefaultFileOpen(true); break;
  }
  main.show();
  hide();
}

bool FormComSel::WaitForFirstPoll(bool wantZero) {
  // The gateway may never send the poll looked for; the progress window's Cancel gives the
  // user a way back to the choice of start actions.
  FormMsg& msg = Forms::Get<FormMsg>(FormId::Msg);
  axisdata::TransferCancel = false;
  msg.LblMsg->setText(Q(wantZero ? Txt::StartUpload : Txt::StartDownload));
  msg.ProgressBar1->hide();
  msg.BtnCommand->setText(Q(Txt::Cancel));
  msg.BtnCommand->setEnabled(true);
  msg.show();
  setEnabled(false);
  bool matched = false;
  while (!axisdata::TransferCancel) {
    if (klvn::exec_poll_answer(&FirstPollData, kStartupPollAnswer) != -1) {
      const bool nibbleZero = (static_cast<std::uint32_t>(FirstPollData) >> 28) == 0;
      if (nibbleZero == wantZero) {
        matched = true;
        break;
      }
    }
    platform::Ui().ProcessEvents();
  }
  msg.hide();
  msg.ProgressBar1->show();
  setEnabled(true);
  return matched;
}

void FormComSel::closeEvent(QCloseEvent* event) {
  event->ignore();
  Forms::Unload(FormId::ComSel);
}

void FormComSel::reject() { close(); }

void FormComSel::Form_Unload() {
  for (FormId id : {FormId::Msg, FormId::ZELLogo, FormId::Main}) Forms::Unload(id);
}
