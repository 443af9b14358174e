#include "axisdata/Selection.h"
#include "editors/FormMonitor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "axisdata/Tables.h"
#include "axisdata/TransferLoop.h"
#include "editors/LinkWordReader.h"
#include "editors/MonitorWords.h"
#include "platform/ScreenCentre.h"
#include "platform/UiServices.h"
#include "shell/BusyGuard.h"
#include "shell/LinkOpening.h"
#include "shell/ModuleMain.h"
#include "shell/Program.h"
#include "shell/QtFonts.h"
#include "shell/QtText.h"

using editors::Shade;
using resources::Txt;
using shell::Q;

namespace {

constexpr int kTickMs = 10;

const QColor kBrightGreen(0, 255, 0);
const QColor kDarkGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kPaleCyan(128, 255, 255);
// A reading that is not current: its last value stays, faded on grey.
const QColor kStaleBackground(192, 192, 192);
const QColor kStaleText(128, 128, 128);

const QSize kLampSize(24, 20);
const char* const kPlaceholder = "-1234567890";

QColor ColourOf(Shade shade) {
  switch (shade) {
    case Shade::Set: return kBrightGreen;
    case Shade::Clear: return kDarkGreen;
    case Shade::Alarm: return kRed;
  }
  return kDarkGreen;
}

// Labels show their state by their background; a look already shown is not set again.
void Paint(QLabel* label, const QColor& background, const QColor& text) {
  QPalette palette = label->palette();
  if (palette.color(QPalette::Window) == background &&
      palette.color(QPalette::WindowText) == text) {
    return;
  }
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  label->setPalette(palette);
}

void Paint(QLabel* label, const QColor& background) {
  Paint(label, background, QApplication::palette().color(QPalette::WindowText));
}

// A value label with a fresh reading.
void ShowValue(QLabel* label, const std::string& text, const QColor& background) {
  label->setText(QString::fromStdString(text));
  Paint(label, background);
}

QColor BaseOf(const QLabel* label) { return label->palette().color(QPalette::Base); }

QLabel* Panel(QWidget* parent, const QString& caption, const QColor& background) {
  auto* label = new QLabel(caption, parent);
  label->setAutoFillBackground(true);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Paint(label, background);
  return label;
}

QLabel* Lamp(QWidget* parent, const QString& caption) {
  QLabel* lamp = Panel(parent, caption, kBrightGreen);
  lamp->setAlignment(Qt::AlignCenter);
  lamp->setFixedSize(kLampSize);
  return lamp;
}

void ShowLink(QLabel* label, bool online) {
  label->setText(online ? QStringLiteral("Online") : QStringLiteral("Offline"));
  Paint(label, online ? kBrightGreen : kRed);
}

QString Hex(int n) { return QString::number(n, 16).toUpper(); }

// A frame of 16 lamps, one per axis, captioned "0" to "F".
QGroupBox* AxisLampRow(QWidget* parent, std::array<QLabel*, editors::kGroupLamps>& lamps) {
  auto* frame = new QGroupBox(parent);
  auto* row = new QHBoxLayout(frame);
  row->setSpacing(3);
  for (int k = 0; k < editors::kGroupLamps; ++k) {
    lamps[k] = Lamp(frame, Hex(k));
    row->addWidget(lamps[k]);
  }
  row->addStretch();
  return frame;
}

// The link the start wizard opened, reopened under the port chosen there.
struct WizardLine : editors::SerialLine {
  bool Lost() override { return shell::LineLost(); }
  Reopening Reopen() override {
    if (!shell::PortDevicePresent(shell::ComPortName)) return Reopening::NoDevice;
    return shell::ReopenLostLine() ? Reopening::Opened : Reopening::Failed;
  }
};

}  // namespace

FormMonitor::FormMonitor(std::unique_ptr<editors::WordReader> reader,
                         std::unique_ptr<editors::SerialLine> line, QWidget* parent)
    : QWidget(parent),
      reader_(reader ? std::move(reader) : std::make_unique<editors::LinkWordReader>()),
      line_(line ? std::move(line) : std::make_unique<WizardLine>()),
      polling_(*reader_, *line_, *this, axisdata::CurAxis, axisdata::GetLead) {
  setWindowTitle(QStringLiteral("Gateway Monitor"));
  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  connect(Timer1, &QTimer::timeout, this, &FormMonitor::Timer1_Timer);
  BuildLayout();
  connect(ComboAxis, &QComboBox::activated, this, shell::WhenIdle([this] { ComboAxis_Click(); }));
  connect(CmdExit, &QPushButton::clicked, this, shell::WhenIdle([this] { CmdExit_Click(); }));
}

FormMonitor::~FormMonitor() = default;

void FormMonitor::BuildLayout() {
  FrameAx = new QGroupBox(this);
  ComboAxis = new QComboBox(FrameAx);
  (new QHBoxLayout(FrameAx))->addWidget(ComboAxis);

  LblNetworkCap = new QLabel(QStringLiteral("FieldBUS"), this);
  LblNetwork = Panel(this, QStringLiteral("Online"), kBrightGreen);
  LblSIOCap = Panel(this, QStringLiteral("SIO"), kPaleCyan);
  LblSIO = Panel(this, QStringLiteral("Online"), kBrightGreen);
  for (QLabel* label : {LblNetworkCap, LblNetwork, LblSIOCap, LblSIO}) {
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(72);
  }
  auto* links = new QGridLayout;
  links->addWidget(LblNetworkCap, 0, 0);
  links->addWidget(LblNetwork, 0, 1);
  links->addWidget(LblSIOCap, 1, 0);
  links->addWidget(LblSIO, 1, 1);

  // Four bytes of the status word, highest bit on the left.
  FrameStat = new QGroupBox(this);
  auto* bytes = new QVBoxLayout(FrameStat);
  const char* const headings[4] = {" STAT   bit", " ALRM  bit", "   P I     bit", "   P O    bit"};
  for (int g = 0; g < 4; ++g) {
    FrameBit[g] = new QGroupBox(FrameStat);
    FrameBit[g]->setAttribute(Qt::WA_NoMousePropagation);  // only the frame itself hides the hint
    auto* row = new QHBoxLayout(FrameBit[g]);
    row->setSpacing(3);
    Label23[g] = new QLabel(QString::fromLatin1(headings[g]), FrameBit[g]);
    Label23[g]->setMinimumWidth(64);
    row->addWidget(Label23[g]);
    for (int bit = 7; bit >= 0; --bit) {
      QLabel*& lamp = BitLED[8 * g + bit];
      lamp = Lamp(FrameBit[g], bit == 0 ? QStringLiteral("0 ") : QString::number(bit));
      lamp->setMouseTracking(true);
      lamp->setAttribute(Qt::WA_NoMousePropagation);
      lamp->installEventFilter(this);
      row->addWidget(lamp);
    }
    bytes->addWidget(FrameBit[g]);
  }
  FrameStat->setMouseTracking(true);
  FrameStat->installEventFilter(this);
  // A child of the window, not of the frame, so that no frame clips a hint at its edge.
  BitText = new QLineEdit(this);
  BitText->setReadOnly(true);
  BitText->setFocusPolicy(Qt::NoFocus);
  BitText->setAttribute(Qt::WA_NoMousePropagation);
  BitText->hide();

  FrmAlm = new QGroupBox(this);
  LblAlm0 = Panel(FrmAlm, QString(), kRed);
  LblAlmAdr = new QLabel(FrmAlm);
  LblAlm0->setMinimumWidth(150);
  auto* alarm = new QVBoxLayout(FrmAlm);
  alarm->addWidget(LblAlm0);
  alarm->addWidget(LblAlmAdr);

  QFont readout = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  readout.setResolveMask(QFont::AllPropertiesResolved);
  LblPosCap = new QLabel(this);
  LblAbs1 = Panel(this, QString::fromLatin1(kPlaceholder), kCyan);
  LblUnit = Panel(this, QStringLiteral("mm"), kBlue);
  QPalette white = LblUnit->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  LblUnit->setPalette(white);
  LblUnit->setAlignment(Qt::AlignCenter);
  LblUnit->setMinimumWidth(48);
  LblPtNoCap = new QLabel(this);
  LblPtNo = Panel(this, QString::fromLatin1(kPlaceholder), palette().color(QPalette::Base));
  LblInstPnoCap = new QLabel(this);
  LblInstPno = Panel(this, QString::fromLatin1(kPlaceholder), palette().color(QPalette::Base));
  for (QLabel* value : {LblAbs1, LblPtNo, LblInstPno}) {
    value->setFont(readout);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(130);
  }
  auto* values = new QGridLayout;
  values->addWidget(LblPosCap, 0, 0, 1, 2);
  values->addWidget(LblAbs1, 1, 0);
  values->addWidget(LblUnit, 1, 1);
  values->addWidget(LblPtNoCap, 2, 0, 1, 2);
  values->addWidget(LblPtNo, 3, 0);
  values->addWidget(LblInstPnoCap, 4, 0, 1, 2);
  values->addWidget(LblInstPno, 5, 0);
  auto* middle = new QVBoxLayout;
  middle->addWidget(FrmAlm);
  middle->addLayout(values);
  middle->addStretch();

  LblAlmHysCap = new QLabel(this);
  auto* history = new QGridLayout;
  history->addWidget(LblAlmHysCap, 0, 0, 1, 2);
  for (int i = 0; i < editors::kHistoryEntries; ++i) {
    LblHysID[i] = Panel(this, QString::number(i), kPaleCyan);
    LblHysID[i]->setAlignment(Qt::AlignCenter);
    LblHysID[i]->setFixedWidth(kLampSize.width());
    LblAlmHys[i] = Panel(this, QStringLiteral("AlmHys%1").arg(i), palette().color(QPalette::Base));
    LblAlmHys[i]->setMinimumWidth(120);
    history->addWidget(LblHysID[i], i + 1, 0);
    history->addWidget(LblAlmHys[i], i + 1, 1);
  }
  history->setRowStretch(editors::kHistoryEntries + 1, 1);

  FrmGrPFIN = AxisLampRow(this, LblGrPFIN);
  FrmGrAlm = AxisLampRow(this, LblGrAlm);
  CmdExit = new QPushButton(this);
  CmdExit->setMinimumWidth(96);

  auto* top = new QHBoxLayout;
  top->addWidget(FrameAx);
  top->addStretch();
  top->addLayout(links);
  auto* centre = new QHBoxLayout;
  centre->addWidget(FrameStat);
  centre->addLayout(middle);
  centre->addLayout(history);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(CmdExit);
  auto* window = new QVBoxLayout(this);
  window->addLayout(top);
  window->addLayout(centre);
  window->addWidget(FrmGrPFIN);
  window->addWidget(FrmGrAlm);
  window->addLayout(bottom);
  window->setSizeConstraint(QLayout::SetFixedSize);

  readings_.assign(BitLED.begin(), BitLED.end());
  readings_.insert(readings_.end(), LblGrPFIN.begin(), LblGrPFIN.end());
  readings_.insert(readings_.end(), LblGrAlm.begin(), LblGrAlm.end());
  readings_.insert(readings_.end(), LblAlmHys.begin(), LblAlmHys.end());
  readings_.insert(readings_.end(), {LblAlm0, LblAlmAdr, LblAbs1, LblPtNo, LblInstPno});
}

// The listed controls take the shared fonts; every other control keeps the plain font, also
// inside a frame whose own font is the shared one.
void FormMonitor::SetFonts() {
  QFont plain = QApplication::font();
  plain.setResolveMask(QFont::AllPropertiesResolved);  // a frame's font does not reach it
  for (QWidget* w : findChildren<QWidget*>()) {
    if (!w->testAttribute(Qt::WA_SetFont)) w->setFont(plain);
  }
  const QFont uiFont = shell::QtFont(shell::UiFont);
  for (QWidget* w : std::initializer_list<QWidget*>{FrameAx, FrameStat, FrmAlm, LblAlm0,
                                                    LblAlmAdr, LblPosCap, LblAlmHysCap,
                                                    LblPtNoCap, LblInstPnoCap, FrmGrAlm,
                                                    FrmGrPFIN}) {
    w->setFont(uiFont);
  }
  for (QLabel* entry : LblAlmHys) entry->setFont(uiFont);
  CmdExit->setFont(shell::QtFont(shell::CommandFont));
}

void FormMonitor::Form_Load() {
  Timer1->stop();
  SetFonts();
  FrameAx->setTitle(Q(Txt::AxisNumberLabel));
  FrameStat->setTitle(Q(Txt::ServoMonitor));
  FrmAlm->setTitle(Q(Txt::Alarm));
  LblAlm0->setText(Q(Txt::AlarmCode));
  LblAlmAdr->setText(Q(Txt::Address));
  LblPosCap->setText(Q(Txt::PositionMonitor));
  LblPtNoCap->setText(Q(Txt::PositionNo));
  LblInstPnoCap->setText(Q(Txt::UnifiedPositionNo));
  LblAlmHysCap->setText(Q(Txt::AlarmHistory));
  FrmGrPFIN->setTitle(Q(Txt::AllPositionComplete));
  FrmGrAlm->setTitle(Q(Txt::AllAlarmStatus));
  CmdExit->setText(Q(Txt::ExitButton));
  Timer1->setInterval(kTickMs);

  ComboAxis->clear();
  for (int axis = 0; axis < axisdata::AxisCount; ++axis) ComboAxis->addItem(Hex(axis));
  axisdata::CurAxis = 0;
  polling_.SetAxisUnit(axisdata::CurAxis);
  ComboAxis->setCurrentIndex(0);
  ComboAxis_Click();
  Timer1->start();
}

void FormMonitor::Form_Unload() { Timer1->stop(); }

void FormMonitor::Timer1_Timer() { polling_.Tick(); }

void FormMonitor::ComboAxis_Click() {
  Timer1->stop();
  axisdata::CurAxis = static_cast<std::int16_t>(ComboAxis->currentText().toInt(nullptr, 16));
  polling_.SetAxisUnit(axisdata::CurAxis);
  Timer1->start();
}

void FormMonitor::BitLED_MouseMove(int Index) {
  BitText->setVisible(true);
  if (Index < 0 || Index >= editors::kBitLamps) return;
  const QLabel* lamp = BitLED[Index];
  const QGroupBox* frame = FrameBit[Index / 8];
  BitText->setText(QString::fromStdString(editors::BitHint(Index)));
  const int width = BitText->fontMetrics().horizontalAdvance(BitText->text()) + 16;
  // Beside the lamp, as high as its group; within the window and the screen it shows on.
  const QRect anchor(FrameStat->mapTo(this, QPoint(FrameBit[0]->x() + lamp->x(), frame->y())),
                     QSize(lamp->width(), frame->height()));
  QRect area = rect();
  if (const QScreen* shown = screen()) {
    const QRect screenArea = shown->availableGeometry();
    area &= QRect(mapFromGlobal(screenArea.topLeft()), screenArea.size());
  }
  BitText->setGeometry(platform::PlaceBeside(anchor, QSize(width, frame->height()), area));
  BitText->raise();
}

void FormMonitor::FrameStat_MouseMove() { BitText->hide(); }

bool FormMonitor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    if (watched == FrameStat) FrameStat_MouseMove();
    const auto lamp = std::find(BitLED.begin(), BitLED.end(), watched);
    if (lamp != BitLED.end()) BitLED_MouseMove(static_cast<int>(lamp - BitLED.begin()));
  }
  return QWidget::eventFilter(watched, event);
}

void FormMonitor::CmdExit_Click() {
  Timer1->stop();
  platform::Ui().MessageBox(resources::Text(Txt::ExitProgram), platform::MsgButtons::Ok,
                            platform::MsgIcon::Exclamation, "VUZOvid");
  shell::EndProgram();
}

void FormMonitor::closeEvent(QCloseEvent* event) {
  if (shell::RefuseCloseWhileBusy(*event)) return;
  event->ignore();  // ending the program unloads the window
  CmdExit_Click();
}

void FormMonitor::ShowStale() {
  for (QLabel* reading : readings_) Paint(reading, kStaleBackground, kStaleText);
}

void FormMonitor::TellLineLost() {
  // Told from the event loop, not from the tick: the ticks go on while the message is up, so the
  // monitor goes live again by itself when the gateway answers; one message at most is up.
  if (lossMessageDue_) return;
  lossMessageDue_ = true;
  QTimer::singleShot(0, this, &FormMonitor::ShowLossMessage);
}

void FormMonitor::ShowLossMessage() {
  if (!Timer1->isActive()) {  // Exit has stopped the monitor: nothing more to tell
    lossMessageDue_ = false;
    return;
  }
  if (axisdata::LoopRunning()) {
    // Not inside the loop of a reopen: that loop, and every tick, would wait for the message.
    QTimer::singleShot(kTickMs, this, &FormMonitor::ShowLossMessage);
    return;
  }
  shell::TellLineLost();
  lossMessageDue_ = false;
}

void FormMonitor::ShowFieldbus(bool online) { ShowLink(LblNetwork, online); }

void FormMonitor::ShowSerial(bool online) { ShowLink(LblSIO, online); }

void FormMonitor::ShowBitLamps(int first, std::uint8_t byte) {
  const auto shades = editors::BitLampShades(byte);
  for (int j = 0; j < 8; ++j) Paint(BitLED[first + j], ColourOf(shades[j]));
}

void FormMonitor::ShowAlarmCode(const std::string& text, Shade shade) {
  ShowValue(LblAlm0, text, ColourOf(shade));
}

void FormMonitor::ShowAlarmAddress(const std::string& text) {
  ShowValue(LblAlmAdr, text, BaseOf(LblAlmAdr));
}

void FormMonitor::ShowPointNumber(const std::string& text) {
  ShowValue(LblPtNo, text, BaseOf(LblPtNo));
}

void FormMonitor::ShowPosition(const std::string& text) { ShowValue(LblAbs1, text, kCyan); }

void FormMonitor::ShowUnifiedPointNumber(const std::string& text) {
  ShowValue(LblInstPno, text, BaseOf(LblInstPno));
}

void FormMonitor::ShowGroupPFIN(std::uint32_t word) {
  const auto shades = editors::GroupPfinShades(word);
  for (int k = 0; k < editors::kGroupLamps; ++k) Paint(LblGrPFIN[k], ColourOf(shades[k]));
}

void FormMonitor::ShowGroupAlarm(std::uint32_t word) {
  const auto shades = editors::GroupAlarmShades(word, axisdata::AxisCount);
  for (int k = 0; k < editors::kGroupLamps; ++k) Paint(LblGrAlm[k], ColourOf(shades[k]));
}

void FormMonitor::ShowHistory(int index, const std::string& text, Shade shade) {
  ShowValue(LblAlmHys[index], text, ColourOf(shade));
}

void FormMonitor::ShowUnit(const std::string& unit) {
  LblUnit->setText(QString::fromStdString(unit));
}
