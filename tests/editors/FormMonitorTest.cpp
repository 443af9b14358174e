// The monitor window over a gateway of fixed words: its designed state, what the ticks paint,
// the axis choice, the bit hint, and how it ends the program.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "axisdata/Selection.h"
#include "MonitorFakes.h"
#include "ShellFixture.h"
#include "axisdata/Tables.h"
#include "editors/FormMonitor.h"

namespace {

const QColor kBrightGreen(0, 255, 0);
const QColor kDarkGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kStaleGrey(192, 192, 192);
const QColor kStaleText(128, 128, 128);

QColor Background(const QLabel* label) { return label->palette().color(QPalette::Window); }
QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// Hands the window's reads to the test's fake gateway.
struct ReaderProxy : editors::WordReader {
  explicit ReaderProxy(FakeReader& fake) : fake(fake) {}
  std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) override {
    return fake.Read(axis, address);
  }
  FakeReader& fake;
};

// Hands the window's line to the test's fake one.
struct LineProxy : editors::SerialLine {
  explicit LineProxy(FakeLine& fake) : fake(fake) {}
  bool Lost() override { return fake.Lost(); }
  Reopening Reopen() override { return fake.Reopen(); }
  FakeLine& fake;
};

using Reopening = editors::SerialLine::Reopening;

class FormMonitorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    axisdata::InitActuatorTables();
    Forms::Register(FormId::Monitor, [this] {
      return new FormMonitor(std::make_unique<ReaderProxy>(gateway),
                             std::make_unique<LineProxy>(line));
    });
    Forms::SetOnAllUnloaded([this] { ended = true; });
    for (std::uint16_t word : {0x0017, 0xFD46, 0x9010, 0xA000, 0x7400, 0x8011, 0x8033, 0x7001}) {
      gateway.words[word] = 0;
    }
    gateway.words[0x8040] = 0x00010001;
  }

  void TearDown() override {
    Forms::SetOnAllUnloaded({});
    ShellTest::TearDown();
  }

  FormMonitor& Monitor() { return Forms::Get<FormMonitor>(FormId::Monitor); }

  // Ticks until `step` is the next to run.
  void TickTo(std::int16_t step) {
    FormMonitor& monitor = Monitor();
    for (int n = 0; n < 8 && monitor.Polling().PollStep() != step; ++n) monitor.Timer1_Timer();
    ASSERT_EQ(monitor.Polling().PollStep(), step);
  }

  static void MoveMouseOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }

  FakeReader gateway;
  FakeLine line;
  bool ended = false;
};

constexpr const char* kLostLineText =
    "The serial line of COM1 was lost and could not be opened again.";

}  // namespace

TEST_F(FormMonitorTest, LoadShowsTheDesignedPanelAndStartsTheTimer) {
  axisdata::AxisCount = 3;
  gateway.words.erase(0x0017);
  FormMonitor& m = Monitor();
  EXPECT_EQ(m.windowTitle(), "Gateway Monitor");
  EXPECT_EQ(m.LblNetworkCap->text(), "FieldBUS");
  EXPECT_EQ(m.LblSIOCap->text(), "SIO");
  const std::pair<QString, QString> captions[] = {
      {m.FrameAx->title(), "AxisNumber"},
      {m.FrameStat->title(), "Servo monitor"},
      {m.FrmAlm->title(), "Alarm"},
      {m.LblAlm0->text(), "Alarm code"},
      {m.LblAlmAdr->text(), "Address"},
      {m.LblPosCap->text(), "Position monitor"},
      {m.LblPtNoCap->text(), "Popsition No."},
      {m.LblInstPnoCap->text(), "Position No. of Unified Axes"},
      {m.LblAlmHysCap->text(), "Alarm History"},
      {m.FrmGrPFIN->title(), "All axes' completion of positioning"},
      {m.FrmGrAlm->title(), "All axes' alarm status"},
      {m.CmdExit->text(), "Exit"},
      {m.Label23[0]->text(), " STAT   bit"},
      {m.Label23[3]->text(), "   P O    bit"},
      {m.BitLED[0]->text(), "0 "},
      {m.BitLED[15]->text(), "7"},
      {m.LblGrPFIN[15]->text(), "F"},
      {m.LblGrAlm[10]->text(), "A"},
      {m.LblHysID[7]->text(), "7"},
      {m.LblAlmHys[5]->text(), "AlmHys5"},
      {m.LblAbs1->text(), "-1234567890"},
      {m.LblPtNo->text(), "-1234567890"},
      {m.LblInstPno->text(), "-1234567890"},
      {m.LblUnit->text(), "mm"},  // no type word yet: the unit set-up did not finish
  };
  for (const auto& [shown, designed] : captions) EXPECT_EQ(shown, designed);

  EXPECT_EQ(m.ComboAxis->count(), 3);
  EXPECT_EQ(m.ComboAxis->itemText(2), "2");
  EXPECT_EQ(axisdata::CurAxis, 0);
  EXPECT_TRUE(m.Timer1->isActive());
  EXPECT_EQ(m.Timer1->interval(), 10);
  EXPECT_FALSE(m.BitText->isVisibleTo(&m));

  for (QLabel* lamp : m.BitLED) EXPECT_EQ(Background(lamp), kBrightGreen);
  for (QLabel* lamp : m.LblGrAlm) EXPECT_EQ(Background(lamp), kBrightGreen);
  EXPECT_EQ(Background(m.LblNetwork), kBrightGreen);
  EXPECT_EQ(Background(m.LblSIO), kBrightGreen);
  EXPECT_EQ(Background(m.LblAlm0), kRed);
  EXPECT_EQ(Background(m.LblAbs1), QColor(0, 255, 255));
  EXPECT_EQ(Background(m.LblUnit), QColor(0, 0, 255));
  EXPECT_EQ(m.LblUnit->palette().color(QPalette::WindowText), QColor(255, 255, 255));
  EXPECT_EQ(Background(m.LblSIOCap), QColor(128, 255, 255));
  EXPECT_EQ(Background(m.LblHysID[0]), QColor(128, 255, 255));

  for (QWidget* w : {static_cast<QWidget*>(m.FrameStat), static_cast<QWidget*>(m.LblAlmHys[3]),
                     static_cast<QWidget*>(m.LblPtNoCap)}) {
    EXPECT_TRUE(w->font().bold());
    EXPECT_EQ(w->font().pointSize(), 9);
  }
  EXPECT_FALSE(m.BitLED[3]->font().bold());  // inside the frame, not in its font
  EXPECT_FALSE(m.CmdExit->font().bold());
  EXPECT_EQ(m.CmdExit->font().pointSize(), 11);
}

TEST_F(FormMonitorTest, TicksPaintTheLinksTheStatusLampsAndTheAlarmCode) {
  gateway.words[0x8040] = 0x00010000;
  gateway.words[0x9010] = static_cast<std::int32_t>(0x80000001u);
  FormMonitor& m = Monitor();
  m.Timer1_Timer();
  EXPECT_EQ(m.LblNetwork->text(), "Offline");
  EXPECT_EQ(Background(m.LblNetwork), kRed);
  EXPECT_EQ(m.LblSIO->text(), "Online");
  EXPECT_EQ(Background(m.LblSIO), kBrightGreen);
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(Background(m.BitLED[i]), i == 7 || i == 24 ? kBrightGreen : kDarkGreen) << i;
  }
  EXPECT_EQ(m.LblAlm0->text(), "Normal : 00");
  EXPECT_EQ(Background(m.LblAlm0), kBrightGreen);

  gateway.words[0x8040] = 0x00000001;
  m.Timer1_Timer();
  EXPECT_EQ(m.LblSIO->text(), "Offline");
  EXPECT_EQ(Background(m.LblSIO), kRed);
}

TEST_F(FormMonitorTest, ASilentGatewayGreysEveryReadingWhichComesBackLiveAsItIsReadAgain) {
  gateway.words[0x7400] = 1600;
  FormMonitor& m = Monitor();
  TickTo(editors::MonitorPolling::kHistory);
  m.Timer1_Timer();  // a whole cycle: every reading has been shown
  const QString position = m.LblAbs1->text();

  gateway.words.erase(0x8040);
  m.Timer1_Timer();
  EXPECT_EQ(m.LblNetwork->text(), "Offline");
  EXPECT_EQ(Background(m.LblNetwork), kRed);
  EXPECT_EQ(m.LblSIO->text(), "Offline");
  const QLabel* readings[] = {m.BitLED[0],  m.BitLED[31], m.LblGrPFIN[0], m.LblGrAlm[15],
                              m.LblAlm0,    m.LblAlmAdr,  m.LblAbs1,      m.LblPtNo,
                              m.LblInstPno, m.LblAlmHys[0]};
  for (std::size_t i = 0; i < std::size(readings); ++i) {
    EXPECT_EQ(Background(readings[i]), kStaleGrey) << i;
    EXPECT_EQ(TextColour(readings[i]), kStaleText) << i;
  }
  EXPECT_EQ(m.LblAbs1->text(), position);  // the last reading stays, greyed

  gateway.words[0x8040] = 0x00010001;
  m.Timer1_Timer();  // the status word
  EXPECT_EQ(m.LblNetwork->text(), "Online");
  EXPECT_EQ(m.LblSIO->text(), "Online");
  EXPECT_EQ(Background(m.BitLED[0]), kDarkGreen);
  EXPECT_EQ(Background(m.LblAlm0), kBrightGreen);
  EXPECT_NE(TextColour(m.LblAlm0), kStaleText);
  EXPECT_EQ(Background(m.LblAbs1), kStaleGrey);  // not read again yet
  TickTo(editors::MonitorPolling::kUnifiedPoint);
  EXPECT_EQ(Background(m.LblAbs1), kCyan);
  EXPECT_NE(TextColour(m.LblAbs1), kStaleText);
}

TEST_F(FormMonitorTest, TheGroupWordLightsTheAxesLampsWithinTheAxisCount) {
  axisdata::AxisCount = 3;
  gateway.words[0x8033] = static_cast<std::int32_t>(0x80000001u);  // axis 15 done, axis 0 free
  TickTo(editors::MonitorPolling::kGroupLamps);
  FormMonitor& m = Monitor();
  m.Timer1_Timer();
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(Background(m.LblGrPFIN[k]), k == 15 ? kBrightGreen : kDarkGreen) << k;
    const QColor alarm = k == 0 ? kBrightGreen : k < 3 ? kRed : kDarkGreen;
    EXPECT_EQ(Background(m.LblGrAlm[k]), alarm) << k;
  }

  axisdata::AxisCount = 16;
  gateway.words[0x8033] = 0x00008000;
  TickTo(editors::MonitorPolling::kGroupLamps);
  m.Timer1_Timer();
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(Background(m.LblGrAlm[k]), k == 15 ? kBrightGreen : kRed) << k;
  }
}

TEST_F(FormMonitorTest, ChoosingAxisARunsTheUnitSetUpForAxis10BeforeTheNextTick) {
  axisdata::AxisCount = 16;
  FormMonitor& m = Monitor();
  gateway.reads.clear();
  gateway.words[0x0017] = 0x02;   // degrees, factor A = 3
  gateway.words[0xFD46] = 0x300;
  m.ComboAxis->setCurrentIndex(10);
  emit m.ComboAxis->activated(10);
  EXPECT_EQ(axisdata::CurAxis, 10);
  EXPECT_EQ(gateway.reads, (std::vector<FakeReader::AxisRead>{
                               {10, 0x0017}, {10, 0x0017}, {10, 0xFD46}, {10, 0xFD46}}));
  EXPECT_EQ(m.LblUnit->text(), "deg");
  EXPECT_TRUE(m.Timer1->isActive());
  gateway.reads.clear();
  m.Timer1_Timer();
  EXPECT_EQ(gateway.reads.back(), (FakeReader::AxisRead{10, 0x901A}));
}

TEST_F(FormMonitorTest, PointingAtLamp19ShowsItsBitAndPointingAtTheFrameHidesIt) {
  FormMonitor& m = Monitor();
  m.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  MoveMouseOver(m.BitLED[19]);
  EXPECT_TRUE(m.BitText->isVisible());
  EXPECT_EQ(m.BitText->text(), "P8");
  const QPoint lampRight = m.BitLED[19]->mapTo(&m, QPoint(m.BitLED[19]->width(), 0));
  EXPECT_EQ(m.BitText->x(), lampRight.x());  // it starts at the lamp's right edge
  EXPECT_EQ(m.BitText->y(), m.FrameBit[2]->mapTo(&m, QPoint(0, 0)).y());

  MoveMouseOver(m.FrameBit[1]);  // the lamps' own frames leave it standing
  EXPECT_TRUE(m.BitText->isVisible());
  MoveMouseOver(m.FrameStat);
  EXPECT_FALSE(m.BitText->isVisible());
}

TEST_F(FormMonitorTest, EveryHintShowsWholeWithinTheWindow) {
  FormMonitor& m = Monitor();
  m.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
  for (int i = 0; i < 32; ++i) {
    MoveMouseOver(m.BitLED[i]);
    const QRect hint(m.BitText->mapTo(&m, QPoint(0, 0)), m.BitText->size());
    EXPECT_TRUE(m.rect().contains(hint)) << i;
    EXPECT_GE(hint.width(), m.BitText->fontMetrics().horizontalAdvance(m.BitText->text())) << i;
    // No frame it lies in clips it, and nothing covers it.
    EXPECT_EQ(m.BitText->visibleRegion(), QRegion(m.BitText->rect())) << i;
  }
}

TEST_F(FormMonitorTest, ExitShowsTheMessageAndEndsTheProgram) {
  FormMonitor& m = Monitor();
  m.CmdExit->click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Exit VUZOvid");
  EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::Ok);
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(Forms::IsLoaded(FormId::Monitor));
}

TEST_F(FormMonitorTest, ClosingTheWindowEndsTheProgramLikeExit) {
  Monitor().close();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Exit VUZOvid");
  EXPECT_TRUE(ended);
}

TEST_F(FormMonitorTest, CloseAndExitWaitWhileALoopRuns) {
  FormMonitor& m = Monitor();
  {
    const axisdata::LoopScope running;
    m.close();
    m.CmdExit->click();
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(ended);
  EXPECT_TRUE(Forms::IsLoaded(FormId::Monitor));
}

TEST_F(FormMonitorTest, WhileItsLostLineMessageIsUpTheMonitorPollsGoesLiveAndTellsNoMore) {
  shell::ComPortName = "COM1";
  FormMonitor& m = Monitor();
  line.lost = true;
  line.otherwise = Reopening::NoDevice;
  ui.onMessage = [&](const ScriptedUi::Message&) {
    EXPECT_TRUE(m.Timer1->isActive());
    EXPECT_EQ(m.LblSIO->text(), "Offline");
    line.otherwise = Reopening::Opened;  // the adapter is plugged in again
    EXPECT_TRUE(QTest::qWaitFor([&] { return m.LblSIO->text() == "Online"; }));
    line.lost = true;  // and pulled out once more
    line.otherwise = Reopening::NoDevice;
    EXPECT_TRUE(QTest::qWaitFor([&] { return m.LblSIO->text() == "Offline"; }));
  };

  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }));
  ui.onMessage = nullptr;
  const int reopens = line.reopens;
  EXPECT_TRUE(QTest::qWaitFor([&] { return line.reopens > reopens; }));  // it goes on looking
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLostLineText);
}

TEST_F(FormMonitorTest, TheLostLineMessageWaitsForTheLoopOfAReopenAndComesOnce) {
  shell::ComPortName = "COM1";
  FormMonitor& m = Monitor();
  {
    const axisdata::LoopScope reopening;
    m.TellLineLost();
    m.TellLineLost();
    QCoreApplication::processEvents();
    EXPECT_TRUE(ui.messages.empty());
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }));
  QCoreApplication::processEvents();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, kLostLineText);
}
