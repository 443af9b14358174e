// The monitor with the real link library over a pseudo-terminal, against the gateway simulator:
// opened by the start wizard, polling the gateway's words, and on a link that stays silent.
// Every case runs in a process of its own: a closed link stays closed.
#include <unistd.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <optional>
#include <thread>

#include "GatewayMaster.h"
#include "PortLink.h"
#include "ShellFixture.h"
#include "editors/EditorForms.h"
#include "editors/FormMonitor.h"
#include "shell/LinkOpening.h"

using vuz::sim::GatewayThread;
using vuz::sim::WordRead;

namespace {

class MonitorEndToEndTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    editors::RegisterEditorForms();
    setenv("KLVNDRV_COM1", sim_.device_path().c_str(), 1);
    Forms::SetOnAllUnloaded([this] { ended_ = true; });
  }

  void TearDown() override {
    Forms::SetOnAllUnloaded({});
    ShellTest::TearDown();
  }

  // The wizard for three axes on COM1, then "Run Status Monitor".
  FormMonitor& OpenMonitor() {
    FormComSel& wizard = Wizard();
    wizard.show();
    wizard.CmbAxes->setCurrentIndex(2);
    wizard.cmdOKbtn_Click();
    wizard.CmbPort->setCurrentIndex(1);
    wizard.cmdOKbtn_Click();
    wizard.CmdGo[3]->click();
    return Forms::Get<FormMonitor>(FormId::Monitor);
  }

  // Lets the window's events and ticks run until `done` or the limit.
  template <typename Done>
  static bool RunUntil(Done done, std::chrono::seconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      QTest::qWait(5);
    }
    return true;
  }

  std::vector<unsigned> ReadAddresses() const {
    std::vector<unsigned> addresses;
    for (const WordRead& r : gateway_.words.reads()) addresses.push_back(r.address);
    return addresses;
  }

  vuz::sim::GatewaySimulator sim_;
  vuz::sim::GatewayMaster gateway_{sim_};
  bool ended_ = false;
};

QColor Background(const QLabel* label) { return label->palette().color(QPalette::Window); }
QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

const QColor kStaleGrey(192, 192, 192);
const QColor kStaleText(128, 128, 128);

}  // namespace

TEST_F(MonitorEndToEndTest, TheWizardOpensTheMonitorWhichPollsTheGatewaysWords) {
  vuz::sim::GatewayWords& words = gateway_.words;
  words.set(0x8040, 0x00010000);  // fieldbus offline, serial online
  words.set(0x9010, 0x80B00001);  // bits 31 and 0, alarm B0
  words.set(0x7009, 0x12345678);
  words.set(0xA000, 7);
  words.set(0x7400, static_cast<std::uint32_t>(-1234));
  words.set(0x8011, 0x0103);
  words.set(0x8033, 0x00040001);  // axis 2 in position, axis 0 free of alarm
  words.set(0x7001, 0x21);
  // The link is open before the gateway polls, so no poll is lost and the reads run in order.
  ASSERT_EQ(shell::OpenLink("COM1"), shell::LinkOpening::Ready);
  GatewayThread side(gateway_, {.poll_data = 0, .transfers = 0});

  FormMonitor& m = OpenMonitor();
  EXPECT_TRUE(m.isVisible());
  EXPECT_FALSE(Wizard().isVisible());
  ASSERT_TRUE(RunUntil([&] {
    const auto reads = ReadAddresses();
    return std::find(reads.begin(), reads.end(), 0x7001u) != reads.end();
  }));

  const std::vector<unsigned> setUp = {0x0017, 0x0017, 0xFD46, 0xFD46};
  std::vector<unsigned> expected = setUp;  // when the window loads, and again for axis "0"
  expected.insert(expected.end(), setUp.begin(), setUp.end());
  for (unsigned word : {0x9010u, 0x7009u, 0xA000u, 0x7400u, 0x8011u, 0x8033u, 0x7001u}) {
    expected.push_back(0x8040);
    expected.push_back(word);
  }
  auto reads = ReadAddresses();
  reads.resize(std::min(reads.size(), expected.size()));
  EXPECT_EQ(reads, expected);
  for (const WordRead& r : gateway_.words.reads()) EXPECT_EQ(r.axis, 0u);

  EXPECT_EQ(m.LblNetwork->text(), "Offline");
  EXPECT_EQ(m.LblSIO->text(), "Online");
  EXPECT_EQ(Background(m.BitLED[7]), QColor(0, 255, 0));
  EXPECT_EQ(Background(m.BitLED[24]), QColor(0, 255, 0));
  EXPECT_EQ(Background(m.BitLED[6]), QColor(0, 128, 0));
  EXPECT_EQ(m.LblAlm0->text(), "Alarm : B0");
  EXPECT_EQ(Background(m.LblAlm0), QColor(255, 0, 0));
  EXPECT_EQ(m.LblAlmAdr->text(), "Address=678     ");
  EXPECT_EQ(m.LblPtNo->text(), "7");
  EXPECT_EQ(m.LblUnit->text(), "pulse");
  EXPECT_EQ(m.LblAbs1->text(), "-1234");
  EXPECT_EQ(m.LblInstPno->text(), "3");
  EXPECT_EQ(Background(m.LblGrPFIN[2]), QColor(0, 255, 0));
  EXPECT_EQ(Background(m.LblGrAlm[0]), QColor(0, 255, 0));
  EXPECT_EQ(Background(m.LblGrAlm[1]), QColor(255, 0, 0));
  EXPECT_EQ(Background(m.LblGrAlm[3]), QColor(0, 128, 0));
  EXPECT_EQ(m.LblAlmHys[0]->text(), "Alarm : 21");

  // The gateway's words change while it serves.
  words.set(0x8040, 0x00000001);
  EXPECT_TRUE(RunUntil([&] { return m.LblSIO->text() == "Offline"; }));
  EXPECT_EQ(m.LblNetwork->text(), "Online");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MonitorEndToEndTest, OnASilentLinkTheWindowKeepsRespondingAndExitEndsTheProgram) {
  // A read that waited for the silent gateway without end would hang the test: fail instead.
  std::jthread watchdog([](std::stop_token stop) {
    std::mutex m;
    std::unique_lock lock(m);
    if (!std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(60),
                                                [] { return false; })) {
      if (stop.stop_requested()) return;
      std::fputs("the monitor stopped responding on a silent link\n", stderr);
      _exit(1);
    }
  });

  FormMonitor& m = OpenMonitor();  // nobody polls
  ASSERT_TRUE(RunUntil([&] { return m.LblSIO->text() == "Offline"; }));
  EXPECT_EQ(Background(m.LblSIO), QColor(255, 0, 0));
  EXPECT_EQ(m.LblUnit->text(), "mm");  // the unit was never read

  // A click that comes in while the monitor polls is handled between its ticks.
  QTimer::singleShot(0, m.CmdExit, &QPushButton::click);
  ASSERT_TRUE(RunUntil([&] { return ended_; }));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Exit VUZOvid");
  EXPECT_FALSE(Forms::IsLoaded(FormId::Monitor));
}

TEST_F(MonitorEndToEndTest, ALostLineGoesStaleIsToldOnceAndGoesLiveByItselfWhileTheMessageIsUp) {
  PortLink port(Path("ttyGateway"));
  port.PointAt(sim_.device_path());
  gateway_.words.set(0x8040, 0x00010001);
  gateway_.words.set(0xA000, 7);
  ASSERT_EQ(shell::OpenLink("COM1"), shell::LinkOpening::Ready);
  std::optional<GatewayThread> side(std::in_place, gateway_,
                                    vuz::sim::ServeOptions{.poll_data = 0, .transfers = 0});
  FormMonitor& m = OpenMonitor();
  ASSERT_TRUE(RunUntil([&] { return m.LblPtNo->text() == "7"; }));
  EXPECT_EQ(m.LblNetwork->text(), "Online");

  // Plugged in again while the message is up: a gateway behind the same name, found as the
  // monitor goes on trying.
  vuz::sim::GatewaySimulator replugged;
  vuz::sim::GatewayMaster gateway{replugged};
  gateway.words.set(0x8040, 0x00010001);
  gateway.words.set(0xA000, 9);
  std::optional<GatewayThread> next;
  ui.onMessage = [&](const ScriptedUi::Message& message) {
    EXPECT_EQ(message.text, "The serial line of COM1 was lost and could not be opened again.");
    EXPECT_EQ(m.LblNetwork->text(), "Offline");
    EXPECT_EQ(m.LblSIO->text(), "Offline");
    EXPECT_EQ(Background(m.BitLED[0]), kStaleGrey);
    EXPECT_EQ(m.LblPtNo->text(), "7");
    EXPECT_EQ(TextColour(m.LblPtNo), kStaleText);
    port.PointAt(replugged.device_path());
    next.emplace(gateway, vuz::sim::ServeOptions{.poll_data = 0, .transfers = 0});
    EXPECT_TRUE(RunUntil([&] { return m.LblPtNo->text() == "9"; }));
  };

  // The adapter is pulled out: the gateway stops, its side of the line goes, no device remains.
  side.reset();
  port.PointAtNothing();
  sim_.hang_up();
  ASSERT_TRUE(RunUntil([&] { return !ui.messages.empty(); }, std::chrono::seconds(30)));
  EXPECT_EQ(m.LblPtNo->text(), "9");
  EXPECT_EQ(m.LblNetwork->text(), "Online");
  EXPECT_EQ(m.LblSIO->text(), "Online");
  EXPECT_NE(TextColour(m.LblPtNo), kStaleText);
  EXPECT_EQ(ui.messages.size(), 1u);
}
