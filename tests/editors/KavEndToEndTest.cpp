// The point-table editor's transfers with the real link library, over a pseudo-terminal, against
// the gateway simulator. Every case runs in a process of its own: a closed link stays closed.
#include <stdlib.h>

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "GatewayMaster.h"
#include "KavWindowFixture.h"
#include "PortLink.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "shell/FormMsg.h"

using vuz::sim::GatewayThread;
using vuz::sim::TransferEnd;
using vuz::sim::TransferKind;
using vuz::sim::TransferOutcome;

namespace {

constexpr std::size_t kTransfersPerAxis = 18;  // common block, 16 point banks, expansion byte
constexpr std::int32_t kDefaultPosition = 800;  // point 0 of every axis in the shipped set

std::size_t BatchTransfers(int axes) { return kTransfersPerAxis * axes + 1; }

class KavEndToEndTest : public KavWindowTest {
 protected:
  void SetUp() override {
    KavWindowTest::SetUp();
    setenv("KLVNDRV_COM1", sim_.device_path().c_str(), 1);
  }

  // The gateway holds the shipped set with point 0 of axis a at 1000 + a, and extended points
  // of its own.
  void FillGateway(int axes) {
    for (int a = 0; a < axes; ++a) {
      axisdata::AxisWords words{};
      ASSERT_TRUE(axisdata::ParseEepText(ReadFile(Path("data/default0.EEP")), words));
      vuz::sim::AxisImage& image = gateway_.data.axes[a];
      std::copy_n(axisdata::CommonValue(words).begin(), image.common.size(), image.common.begin());
      for (int p = 0; p < axisdata::kBasePoints; ++p) {
        std::copy_n(axisdata::PointValue(words, p).begin(), image.banks[p].size(),
                    image.banks[p].begin());
      }
      image.banks[0][axisdata::kPCMD] = 1000 + a;
    }
    for (std::size_t i = 0; i < gateway_.data.ext_points.size(); ++i) {
      gateway_.data.ext_points[i] = static_cast<std::uint32_t>(7 * i + 1);
    }
  }

  // Opens the editor online while the gateway serves the upload of every axis.
  FormKAV& OpenEditorOnline(int axes) {
    StartMain(axes, 1);
    FillGateway(axes);
    GatewayThread side(gateway_, {.poll_data = 0, .transfers = BatchTransfers(axes)});
    FormKAV& kav = PositionSetting();
    ExpectAllCompleted(side.wait(), BatchTransfers(axes));
    return kav;
  }

  static void ExpectAllCompleted(const std::vector<TransferOutcome>& outcomes, std::size_t count) {
    EXPECT_EQ(outcomes.size(), count);
    for (const TransferOutcome& outcome : outcomes) {
      EXPECT_EQ(outcome.end, TransferEnd::Completed) << outcome.error;
    }
  }

  vuz::sim::GatewaySimulator sim_;
  vuz::sim::GatewayMaster gateway_{sim_};
};

}  // namespace

TEST_F(KavEndToEndTest, OpeningOnlineUploadsEveryAxisAndTheExtendedPoints) {
  axisdata::AxisUnsent.fill(true);
  FormKAV& kav = OpenEditorOnline(3);

  for (int a = 0; a < 3; ++a) {
    EXPECT_EQ(PointWord(a, 0, axisdata::kPCMD), 1000 + a) << a;
    EXPECT_FALSE(axisdata::AxisUnsent[a]) << a;
    EXPECT_TRUE(axisdata::AxisUnsaved[a]) << a;  // the data now differ from the files
  }
  EXPECT_EQ(axisdata::ExtPointData[0], 1);  // the first wire word carries the first value
  EXPECT_EQ(Cell(kav, 1, 1), "3E8");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(kav.isVisible());
  EXPECT_TRUE(kav.isEnabled());
  EXPECT_FALSE(Main().isVisible());
  EXPECT_TRUE(Main().isEnabled());
  EXPECT_TRUE(kav.mnuTrans->menuAction()->isEnabled());
  EXPECT_TRUE(kav.ToolbarButtons["upload"]->isEnabled());
  EXPECT_FALSE(Forms::Get<FormMsg>(FormId::Msg).isVisible());
}

TEST_F(KavEndToEndTest, ACancelEndsTheRestOfItsBatchAndTheNextUploadRunsInFull) {
  StartMain(3, 1);
  FillGateway(3);
  axisdata::AxisUnsent.fill(true);
  bool cancelled = false;
  ui.onProcessEvents = [&cancelled] {
    FormMsg& msg = Forms::Get<FormMsg>(FormId::Msg);
    if (!cancelled && msg.LblMsg->text() == "Axis number1: Uploading..." &&
        msg.ProgressBar1->value() >= 3) {
      msg.BtnCommand->click();
      cancelled = true;
    }
  };
  std::vector<TransferOutcome> outcomes;
  {
    GatewayThread side(gateway_, {.poll_data = 0, .transfers = 0});
    PositionSetting();
    ASSERT_TRUE(cancelled);
    side.stop();
    outcomes = side.wait();
  }
  for (const TransferOutcome& outcome : outcomes) {
    EXPECT_LE(outcome.request.axis, 1u);  // nothing of the later axes reached the gateway
    EXPECT_NE(outcome.request.kind, TransferKind::ExtPoints);
  }
  EXPECT_EQ(PointWord(0, 0, axisdata::kPCMD), 1000);
  EXPECT_FALSE(axisdata::AxisUnsent[0]);
  for (int a = 1; a < 3; ++a) {
    EXPECT_EQ(PointWord(a, 0, axisdata::kPCMD), kDefaultPosition) << a;  // as the files hold
    EXPECT_TRUE(axisdata::AxisUnsent[a]) << a;
    EXPECT_FALSE(axisdata::AxisUnsaved[a]) << a;
  }
  EXPECT_EQ(axisdata::ExtPointData[0], 12000);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Not transferred: axes 1, 2 and the extended points.");
  FormKAV& kav = Kav();
  EXPECT_TRUE(kav.isVisible());
  EXPECT_EQ(Cell(kav, 1, 1), "3E8");

  ui.onProcessEvents = nullptr;
  GatewayThread side(gateway_, {.poll_data = 0, .transfers = BatchTransfers(3)});
  kav.ToolbarButtons["upload"]->trigger();
  ExpectAllCompleted(side.wait(), BatchTransfers(3));
  for (int a = 0; a < 3; ++a) {
    EXPECT_EQ(PointWord(a, 0, axisdata::kPCMD), 1000 + a) << a;
    EXPECT_FALSE(axisdata::AxisUnsent[a]) << a;
  }
  EXPECT_EQ(axisdata::ExtPointData[0], 1);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(kav.PrgGrid->isVisible());
}

TEST_F(KavEndToEndTest, DownloadSendsWhatTheGridShows) {
  FormKAV& kav = OpenEditorOnline(2);
  TypeInCell(kav, 2, 1, "1234");  // axis 0, point 1: in the grid only
  SelectPage(kav, 1);
  TypeInCell(kav, 1, 1, "2345");  // the extended point of page 1, still only in the grid
  const std::int16_t ext = axisdata::ExtPointIndex(1, 0, 0);
  ASSERT_EQ(ext % 4, 0);  // the first value of a record travels as the record's first word
  axisdata::AxisUnsent.fill(true);

  GatewayThread side(gateway_, {.poll_data = 0, .transfers = BatchTransfers(2)});
  kav.mnuDownload->trigger();
  const std::vector<TransferOutcome> outcomes = side.wait();

  ExpectAllCompleted(outcomes, BatchTransfers(2));
  for (const TransferOutcome& outcome : outcomes) EXPECT_TRUE(outcome.request.download);
  EXPECT_EQ(gateway_.data.axes[0].banks[1][axisdata::kPCMD], 0x1234u);
  EXPECT_EQ(gateway_.data.axes[1].banks[0][axisdata::kPCMD], 1001u);  // as uploaded
  EXPECT_EQ(gateway_.data.ext_points[3 * (ext / 4)], 0x2345u);
  EXPECT_FALSE(axisdata::AxisUnsent[0]);
  EXPECT_FALSE(axisdata::AxisUnsent[1]);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(kav.isEnabled());
  EXPECT_TRUE(kav.PrgGrid->isVisible());
  EXPECT_EQ(Cell(kav, 1, 1), "2345");
  EXPECT_EQ(kav.PrgGrid->Row(), 2);  // where Enter left the cursor
  EXPECT_EQ(kav.PrgGrid->Col(), 1);
}

TEST_F(KavEndToEndTest, AnUploadCancelledAtOnceKeepsWhatWasTyped) {
  FormKAV& kav = OpenEditorOnline(2);
  TypeInCell(kav, 2, 1, "1234");  // axis 0, point 1: in the grid only
  axisdata::AxisUnsaved.fill(false);
  axisdata::AxisUnsent.fill(false);
  ui.onProcessEvents = [] { Forms::Get<FormMsg>(FormId::Msg).BtnCommand->click(); };
  kav.mnuUpload->trigger();  // nobody serves it: the cancel comes first

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Not transferred: axes 0, 1 and the extended points.");
  EXPECT_EQ(Cell(kav, 2, 1), "1234");
  EXPECT_EQ(PointWord(0, 1, axisdata::kPCMD), 0x1234);
  EXPECT_TRUE(axisdata::AxisUnsaved[0] && axisdata::AxisUnsent[0]);  // an edit, not yet saved
  EXPECT_FALSE(axisdata::AxisUnsaved[1] || axisdata::AxisUnsent[1]);
}

TEST_F(KavEndToEndTest, OnALostLineTheEditorOpensWithoutTransfersAndItsUploadFindsThePortAgain) {
  PortLink port(Path("ttyGateway"));
  port.PointAt(sim_.device_path());
  StartMain(3, 1);
  FillGateway(3);
  axisdata::AxisUnsent.fill(true);
  sim_.hang_up();
  ASSERT_TRUE(AwaitLostLine());
  port.PointAtNothing();

  FormKAV& kav = PositionSetting();  // online, opening uploads every axis

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "The serial line of COM1 was lost and could not be opened again.");
  EXPECT_EQ(SioError(), KLVNDRV_SIO_LINE_LOST);  // told without asking the library to open it
  for (int a = 0; a < 3; ++a) {
    EXPECT_EQ(PointWord(a, 0, axisdata::kPCMD), kDefaultPosition) << a;  // as the files hold
    EXPECT_TRUE(axisdata::AxisUnsent[a]) << a;
  }
  EXPECT_TRUE(kav.isEnabled());
  EXPECT_TRUE(kav.PrgGrid->isVisible());

  // The adapter is back under the same name.
  vuz::sim::GatewaySimulator replugged;
  vuz::sim::GatewayMaster gateway{replugged};
  gateway.data = gateway_.data;
  port.PointAt(replugged.device_path());
  GatewayThread side(gateway, {.poll_data = 0, .transfers = BatchTransfers(3)});
  // Window events run while the port is opened again, before the transfers start.
  bool eventsRanWhileReopening = false;
  QTimer::singleShot(0, &kav, [&] {
    eventsRanWhileReopening = axisdata::LoopRunning() && ui.busyDepth == 1 && kav.isEnabled();
  });
  kav.ToolbarButtons["upload"]->trigger();
  EXPECT_TRUE(eventsRanWhileReopening);
  ExpectAllCompleted(side.wait(), BatchTransfers(3));
  for (int a = 0; a < 3; ++a) EXPECT_EQ(PointWord(a, 0, axisdata::kPCMD), 1000 + a) << a;
  EXPECT_EQ(ui.messages.size(), 1u);
}
