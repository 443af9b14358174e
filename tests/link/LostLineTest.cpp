// A line that goes away while the port is open (the gateway's side closed, a USB adapter pulled
// out): the link notices, the steps fail instead of waiting for ever, and a later init opens the
// port again. A quiet line that is still there keeps the steps waiting.
#include <stdlib.h>

#include <thread>

#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

constexpr int32_t kImageWords = 305;
constexpr std::size_t kSilentFrom = 100;
// A lost line ends the steps within a couple of 300 ms waits; far more would mean it was missed.
constexpr int kMaxStepsAfterLoss = 10;

// Steps while they give -1, at most `limit` times; the last result.
int32_t step_while_going_on(const std::function<int32_t()>& step, int limit) {
  int32_t result = -1;
  for (int n = 0; n < limit && result == -1; ++n) result = step();
  return result;
}

TEST_F(LinkTest, HangUpMidTransferFailsTheStepsAndALaterInitReopens) {
  setenv("KLVNDRV_COM3", gateway.device_path().c_str(), 1);
  ASSERT_EQ(init_klvn_slave("COM3"), 1);
  std::vector<int32_t> words(kImageWords);
  const auto upload = [&words] { return exec_upload(words.data()); };
  reset_load_count(kImageWords);

  sim::GatewayMaster master{gateway};
  sim::GatewayThread side(master, {.fault = {FaultKind::Silence, kSilentFrom}});
  while (get_load_count() < static_cast<int32_t>(kSilentFrom)) ASSERT_EQ(upload(), -1);
  ASSERT_EQ(side.wait().front().end, TransferEnd::Silenced);
  EXPECT_EQ(step_while_going_on(upload, 3), -1) << "a quiet line is no lost line";
  EXPECT_EQ(get_klvn_state(), 4);

  gateway.hang_up();
  EXPECT_EQ(step_while_going_on(upload, kMaxStepsAfterLoss), 0);
  EXPECT_EQ(upload(), 0);
  EXPECT_EQ(get_klvn_state(), 2);
  EXPECT_EQ(get_sio_error(), -20);
  EXPECT_EQ(get_com_errlog() & 0x400, 0x400);

  sim::GatewaySimulator replugged;
  setenv("KLVNDRV_COM3", replugged.device_path().c_str(), 1);
  ASSERT_EQ(init_klvn_slave("COM3"), 1);
  EXPECT_EQ(get_klvn_state(), 4);
  sim::GatewayMaster next{replugged};
  next.data.word_image = pattern(kImageWords, 7);
  reset_load_count(kImageWords);
  sim::GatewayThread again(next, {});
  EXPECT_EQ(step_while_going_on(upload, 2000), 1);
  EXPECT_EQ(again.wait().front().end, TransferEnd::Completed);
  EXPECT_EQ(as_unsigned(words), next.data.word_image);
}

TEST_F(LinkTest, HangUpWhileIdleIsNoticedAndInitReopens) {
  setenv("KLVNDRV_COM4", gateway.device_path().c_str(), 1);
  ASSERT_EQ(init_klvn_slave("COM4"), 1);
  gateway.hang_up();
  for (int i = 0; i < 50 && get_klvn_state() == 4; ++i) std::this_thread::sleep_for(milliseconds(20));
  EXPECT_EQ(get_klvn_state(), 2);
  EXPECT_EQ(get_sio_error(), -20);

  sim::GatewaySimulator replugged;
  setenv("KLVNDRV_COM4", replugged.device_path().c_str(), 1);
  ASSERT_EQ(init_klvn_slave("COM4"), 1);
  replugged.send_poll(0x12);
  int32_t poll_data = 0;
  EXPECT_EQ(exec_poll_answer(&poll_data, 1), 1);
  EXPECT_EQ(poll_data, 0x12);
  EXPECT_TRUE(next_response_is(replugged, 'P', 1));
}

}  // namespace
}  // namespace vuz::test
