// Opening a lost line again, with the real link library over a pseudo-terminal behind a symbolic
// link as the port (a USB adapter's stable name): the library's open runs beside the window
// thread, which goes on letting events run; a port whose device is gone is told at once, without
// asking the library. The open runs on a thread of its own, so this runs under ThreadSanitizer.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "GatewaySimulator.h"
#include "PortLink.h"
#include "RecordingUi.h"
#include "axisdata/TransferLoop.h"
#include "resources/UiText.h"
#include "shell/LinkOpening.h"
#include "shell/ModuleMain.h"

namespace {

class LinkOpeningTest : public testing::Test {
 protected:
  void SetUp() override {
    resources::LoadUiText(4000);
    char tmpl[] = "/tmp/vuz-port-XXXXXX";
    ASSERT_TRUE(mkdtemp(tmpl));
    folder_ = tmpl;
    port_.emplace(folder_ + "/ttyGateway");
    port_->PointAt(sim_.device_path());
    shell::ComPortName = "COM1";
    ASSERT_EQ(shell::OpenLink("COM1"), shell::LinkOpening::Ready);
    sim_.hang_up();  // the gateway's side goes: the line is lost
    ASSERT_TRUE(AwaitLostLine());
    ASSERT_TRUE(shell::LineLost());
  }

  void TearDown() override {
    shell::ResetSharedState();
    port_.reset();
    std::filesystem::remove_all(folder_);
  }

  RecordingUi ui;
  vuz::sim::GatewaySimulator sim_;
  std::string folder_;
  std::optional<PortLink> port_;
};

TEST_F(LinkOpeningTest, TheReopenRunsWhileWindowEventsGoOnAndNoCommandCanStart) {
  vuz::sim::GatewaySimulator replugged;
  port_->PointAt(replugged.device_path());
  int eventRuns = 0;
  ui.onProcessEvents = [this, &eventRuns] {
    ++eventRuns;
    EXPECT_TRUE(axisdata::LoopRunning());
    EXPECT_EQ(ui.busyDepth, 1);
  };

  EXPECT_TRUE(shell::ReopenLostLine());

  EXPECT_GE(eventRuns, 1);
  EXPECT_EQ(ui.busyDepth, 0);
  EXPECT_FALSE(axisdata::LoopRunning());
  EXPECT_FALSE(shell::LineLost());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LinkOpeningTest, APortWhoseDeviceIsGoneIsToldWithoutAskingTheLibraryToOpenIt) {
  port_->PointAtNothing();
  ui.onProcessEvents = [] { ADD_FAILURE() << "nothing was to wait for"; };

  EXPECT_FALSE(shell::KeepLinkOpen());

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "The serial line of COM1 was lost and could not be opened again.");
  // An open the library had tried would have left "cannot be opened" in place of the loss.
  EXPECT_EQ(SioError(), KLVNDRV_SIO_LINE_LOST);
}

}  // namespace
