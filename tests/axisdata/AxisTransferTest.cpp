// Per-axis and extended-point transfers through the program's routines and the real link
// library, over a pty against the gateway simulator. Each case runs in a process of its own.
#include "axisdata/AxisTransfers.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <thread>

#include "GatewayMaster.h"
#include "RecordingUi.h"
#include "axisdata/AxisData.h"
#include "axisdata/EditorViews.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/ProgressView.h"
#include "axisdata/SharedState.h"
#include "axisdata/TransferLoop.h"
#include "platform/KlvnImports.h"
#include "resources/UiText.h"

namespace {

using axisdata::TransferResult;
using vuz::sim::FaultKind;

// What the progress window was asked to show.
struct RecordingProgress : axisdata::ProgressView {
  void Begin(const std::string& caption, int max, bool) override {
    captions.push_back(caption);
    maximum = max;
    values = {0};
  }
  void SetCaption(const std::string& caption) override {
    if (captions.back() != caption) captions.push_back(caption);
  }
  void SetValue(int value) override {
    if (values.back() != value) values.push_back(value);
  }
  void SetCancellable(bool) override {}
  void End() override { ++ends; }

  std::vector<std::string> captions;
  std::vector<int> values;
  int maximum = -1;
  int ends = 0;
};

struct CountingComParam : axisdata::ComParamView {
  void ReadComParam(std::int16_t axis) override { axes.push_back(axis); }
  std::vector<std::int16_t> axes;
};

class AxisTransferTest : public testing::Test {
 protected:
  void SetUp() override {
    axisdata::ResetSharedState();
    resources::LoadUiText(4000);
    axisdata::RegisterProgressView(&progress);
    axisdata::RegisterComParamView(&views);
    setenv("KLVNDRV_COM1", sim.device_path().c_str(), 1);
    ASSERT_EQ(klvn::init_klvn_slave("COM1"), KLVNDRV_DONE);
  }

  void TearDown() override {
    axisdata::RegisterProgressView(nullptr);
    axisdata::RegisterComParamView(nullptr);
  }

  // Distinct words with the sign bit set in some.
  static std::uint32_t Word(unsigned i, unsigned seed) { return (i + seed * 977) * 2654435761u; }

  void FillGatewayAxis(unsigned axis, std::uint32_t expansion) {
    vuz::sim::AxisImage& image = gateway.data.axes[axis];
    for (unsigned k = 0; k < 32; ++k) image.common[k] = Word(k, 1);
    for (unsigned p = 0; p < 16; ++p) {
      for (unsigned k = 0; k < 32; ++k) image.banks[p][k] = Word(k, 2 + p);
    }
    image.expansion = expansion;
  }

  void FillAxis(unsigned axis, std::int32_t expansionWord) {
    axisdata::AxisWords& words = axisdata::AxisData[axis];
    for (unsigned i = 0; i < words.size(); ++i) words[i] = static_cast<std::int32_t>(Word(i, 40));
    axisdata::ExpansionWord(words) = expansionWord;
  }

  // The gateway serves the common block and the 16 banks, then the expansion stage with `fault`;
  // `banksDone` is raised between the two.
  std::jthread ServeAxis(vuz::sim::Fault expansionFault = {}) {
    return std::jthread([this, expansionFault](std::stop_token stop) {
      gateway.serve({.poll_data = 0, .transfers = 17}, stop);
      banksDone = true;
      gateway.serve({.poll_data = 0, .transfers = 1, .fault = expansionFault}, stop);
    });
  }

  // Clicks Cancel at the `n`th step once `ready` holds.
  void CancelAfter(int n, const std::function<bool()>& ready) {
    ui.onProcessEvents = [this, n, ready] {
      if (ready() && ++stepsWhenReady == n) axisdata::TransferCancel = true;
    };
  }

  RecordingUi ui;
  RecordingProgress progress;
  CountingComParam views;
  vuz::sim::GatewaySimulator sim;
  vuz::sim::GatewayMaster gateway{sim};
  std::atomic<bool> banksDone{false};
  int stepsWhenReady = 0;
};

}  // namespace

TEST_F(AxisTransferTest, AWholeAxisUploadShowsItsStagesAndFillsTheAxis) {
  FillGatewayAxis(10, 0xC8);
  auto side = ServeAxis();

  EXPECT_EQ(axisdata::UploadKavAxis(10), TransferResult::Completed);

  const axisdata::AxisWords& words = axisdata::AxisData[10];
  for (int k = 0; k < 32; ++k) {
    ASSERT_EQ(static_cast<std::uint32_t>(axisdata::CommonValue(words)[k]), Word(k, 1)) << k;
    ASSERT_EQ(static_cast<std::uint32_t>(axisdata::PointValue(words, 15)[k]), Word(k, 17)) << k;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(axisdata::ExpansionWord(words)), 0xC8000000u);
  EXPECT_EQ(progress.captions, (std::vector<std::string>{"Please start to upload from Gateway.",
                                                         "Axis numberA: Uploading..."}));
  EXPECT_EQ(progress.maximum, 16);
  std::vector<int> bar{0};
  for (int p = 1; p <= 16; ++p) bar.push_back(p);
  EXPECT_EQ(progress.values, bar);
  EXPECT_EQ(progress.ends, 1);
  EXPECT_EQ(views.axes, (std::vector<std::int16_t>{10}));  // the unit set-up for the new data
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AxisTransferTest, ADownloadSendsTheAxisAndItsExpansionByteAsSuch) {
  for (const std::uint32_t byte : {90u, 200u}) {
    SCOPED_TRACE(byte);
    FillAxis(3, static_cast<std::int32_t>(byte << 24));
    banksDone = false;
    auto side = ServeAxis();
    EXPECT_EQ(axisdata::DownloadKavAxis(3), TransferResult::Completed);
    side.join();
    const vuz::sim::AxisImage& image = gateway.data.axes[3];
    EXPECT_EQ(image.expansion, byte);
    EXPECT_EQ(image.common[5], static_cast<std::uint32_t>(axisdata::CommonValue(axisdata::AxisData[3])[5]));
    EXPECT_EQ(image.banks[9][31],
              static_cast<std::uint32_t>(axisdata::PointValue(axisdata::AxisData[3], 9)[31]));
    EXPECT_EQ(progress.captions.front(), "Please start to download from Gateway.");
    EXPECT_EQ(progress.captions.back(), "Axis number3: Downloading...");
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AxisTransferTest, AnUploadCancelledInItsSilentExpansionStageLeavesTheAxis) {
  FillGatewayAxis(5, 0x11);
  FillAxis(5, 0x5A000000);
  const axisdata::AxisWords before = axisdata::AxisData[5];
  CancelAfter(3, [this] { return banksDone.load(); });
  auto side = ServeAxis({FaultKind::Silence, 0});

  EXPECT_EQ(axisdata::UploadKavAxis(5), TransferResult::Cancelled);

  EXPECT_EQ(axisdata::AxisData[5], before);  // the expansion word (the lead factor) included
  EXPECT_TRUE(views.axes.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(AxisTransferTest, AnAbortInTheExpansionStageIsToldAndChangesNothing) {
  FillGatewayAxis(5, 0x11);
  const axisdata::AxisWords before = axisdata::AxisData[5];
  auto side = ServeAxis({FaultKind::Abort, 0});

  EXPECT_EQ(axisdata::UploadKavAxis(5), TransferResult::Aborted);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Axis Number5: No cylinder/motor have this axis number.");
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(axisdata::AxisData[5], before);
}

TEST_F(AxisTransferTest, AFailedUploadIsToldAndChangesNothingLater) {
  FillGatewayAxis(2, 0x11);
  const axisdata::AxisWords before = axisdata::AxisData[2];
  std::jthread side([this](std::stop_token stop) {
    gateway.serve({.poll_data = 0, .transfers = 2, .fault = {FaultKind::SkipWord, 5}}, stop);
  });

  EXPECT_EQ(axisdata::UploadKavAxis(2), TransferResult::Failed);

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Axis Number2: Upload was failed.");
  EXPECT_EQ(axisdata::AxisData[2], before);
}

TEST_F(AxisTransferTest, AnExtendedPointUploadReplacesEveryValue) {
  for (unsigned i = 0; i < gateway.data.ext_points.size(); ++i) {
    gateway.data.ext_points[i] = Word(i, 3);
  }
  axisdata::ExtPointData[1680] = 4242;
  std::jthread side([this](std::stop_token stop) { gateway.serve({.poll_data = 0}, stop); });

  EXPECT_EQ(axisdata::UploadExtPoints(), TransferResult::Completed);

  for (unsigned r = 0; r < 420; ++r) {  // records of three wire words carry four values
    const std::uint32_t w0 = Word(3 * r, 3), w1 = Word(3 * r + 1, 3), w2 = Word(3 * r + 2, 3);
    const std::uint32_t expected[4] = {w0, w1 & 0xFFFF, (w2 & 0xFFFF) << 16 | w1 >> 16, w2 >> 16};
    for (unsigned v = 0; v < 4; ++v) {
      ASSERT_EQ(static_cast<std::uint32_t>(axisdata::ExtPointData[4 * r + v]), expected[v])
          << "record " << r << " value " << v;
    }
  }
  EXPECT_EQ(axisdata::ExtPointData[1680], 4242);
  EXPECT_EQ(progress.maximum, 1260);
  EXPECT_EQ(progress.values.back(), 1260);
  EXPECT_EQ(progress.captions.back(), "Extended Position: Uploading...");
}

TEST_F(AxisTransferTest, ACancelledExtendedPointUploadLeavesTheValues) {
  axisdata::ExtPointData.fill(-7);
  CancelAfter(3, [] { return klvn::get_load_count() >= 100; });
  std::jthread side([this](std::stop_token stop) {
    gateway.serve({.poll_data = 0, .fault = {FaultKind::Silence, 100}}, stop);
  });

  EXPECT_EQ(axisdata::UploadExtPoints(), TransferResult::Cancelled);

  for (const std::int32_t value : axisdata::ExtPointData) ASSERT_EQ(value, -7);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AxisTransferTest, ACancelBeforeATransferStartsNothing) {
  axisdata::TransferCancel = true;  // set during an earlier transfer of the same series
  EXPECT_EQ(axisdata::DownloadKavAxis(0), TransferResult::Cancelled);
  EXPECT_EQ(axisdata::DownloadExtPoints(), TransferResult::Cancelled);
  EXPECT_EQ(ui.messages.size(), 0u);
}
