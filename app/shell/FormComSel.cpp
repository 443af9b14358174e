#include "shell/FormComSel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "axisdata/Selection.h"
#include "platform/KlvnImports.h"
#include "platform/ScreenCentre.h"
#include "platform/UiServices.h"
#include "shell/BusyGuard.h"
#include "shell/CIniFileAcc.h"
#include "shell/LinkOpening.h"
#include "shell/QtFonts.h"
#include "shell/FormMain.h"
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
    connect(CmdGo[i], &QPushButton::clicked, this, shell::WhenIdle([this, i] { CmdGo_Click(i); }));
  }
  layout->addWidget(cmdOKbtn, 0, Qt::AlignRight);
  connect(cmdOKbtn, &QPushButton::clicked, this, shell::WhenIdle([this] { cmdOKbtn_Click(); }));
  resize(420, 220);
}

FormComSel::~FormComSel() = default;

void FormComSel::Form_Load() {
  const QFont font = shell::UiNamedFont();
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
  // The run-status monitor is the editors' window; offered when they registered it.
  CmdGo[3]->setEnabled(Forms::IsRegistered(FormId::Monitor));
  LblMsg->setText(Q(allActions ? Txt::NewOrSample : Txt::WillUpload));
}

void FormComSel::CmdGo_Click(int Index) {
  FormMain& main = Forms::Get<FormMain>(FormId::Main);
  if (CmbPort->currentIndex() == 0) {
    shell::ComPortName.clear();
    shell::OfflineMode = true;
    main.SetTransferEnabled(false);
    StartAction(Index == 0   ? StartMode::OfflineUpload
                : Index == 1 ? StartMode::OfflineSample
                             : StartMode::OfflineNew);
    return;
  }
  shell::ComPortName = CmbPort->currentText().toStdString();
  shell::OfflineMode = false;
  main.SetTransferEnabled(true);
  switch (shell::OpenLink(shell::ComPortName)) {
    case shell::LinkOpening::Ready: break;
    case shell::LinkOpening::PortUsed:
      platform::Ui().MessageBox(Text(Txt::PortUsed), platform::MsgButtons::Ok,
                                platform::MsgIcon::Exclamation, "VUZOvid");
      shell::EndProgram();
      return;
    case shell::LinkOpening::NotReady:
      platform::Ui().MessageBox(Text(Txt::PortCantInit), platform::MsgButtons::Ok,
                                platform::MsgIcon::Exclamation, "VUZOvid");
      shell::EndProgram();
      return;
  }
  switch (Index) {
    case 0: StartAction(StartMode::Upload); break;
    case 1: StartAction(StartMode::OpenAndDownload); break;
    case 2: StartAction(StartMode::OnlineNew); break;
    default:
      if (LoadableForm* monitor = Forms::Load(FormId::Monitor)) {
        monitor->Widget()->show();
        hide();
      }
      break;
  }
}

void FormComSel::StartAction(StartMode mode) {
  // The whole action is one command: the wizard takes no second click and no close meanwhile,
  // also between its waits and transfers.
  const axisdata::LoopScope busy;
  setEnabled(false);
  const bool handedOver = RunStartAction(mode);
  setEnabled(true);
  FormMain& main = Forms::Get<FormMain>(FormId::Main);
  if (!handedOver) {
    // Back on the start actions; the main window, which loading the default file showed, waits.
    main.hide();
    return;
  }
  main.show();
  hide();
}

bool FormComSel::RunStartAction(StartMode mode) {
  FormMain& main = Forms::Get<FormMain>(FormId::Main);
  main.SetUpSyncGrid();
  switch (mode) {
    case StartMode::OfflineUpload:
      main.DefaultFileOpen(true);
      main.mnuUpload_Click();
      break;
    case StartMode::OfflineSample: main.DefaultFileOpen(false); break;
    case StartMode::OfflineNew: main.DefaultFileOpen(true); break;
    case StartMode::Upload:
      if (!shell::WaitForFirstPoll(true, FirstPollData)) return false;
      main.DefaultFileOpen(true);
      main.mnuUpload_Click();
      break;
    case StartMode::OpenAndDownload:
      if (!shell::WaitForFirstPoll(false, FirstPollData)) return false;
      main.DefaultFileOpen(true);
      // Without the chosen file in the image nothing is sent: the gateway keeps its table.
      if (!main.mnuOpen_Click()) return false;
      main.mnuDownload_Click();
      break;
    case StartMode::OnlineNew: main.DefaultFileOpen(true); break;
  }
  return true;
}

void FormComSel::closeEvent(QCloseEvent* event) {
  if (shell::RefuseCloseWhileBusy(*event)) return;
  event->ignore();
  Forms::Unload(FormId::ComSel);
}

void FormComSel::Form_Unload() {
  for (FormId id : {FormId::Msg, FormId::ZELLogo, FormId::Main}) Forms::Unload(id);
}
