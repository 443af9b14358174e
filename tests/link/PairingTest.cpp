// One request pairs with one frame read after it, and one response with that frame only.
#include <thread>

#include "LinkTestSupport.h"

namespace vuz::test {
namespace {

// Longer than the 300 ms the link thread keeps a frame's response window open.
constexpr milliseconds kPastTheWindow{450};

TEST_F(LinkTest, LatePutIsNotSentForTheNextFrame) {
  open_link();
  int32_t address = 0, data = 0;
  gateway.send_command({'R', 0x01, 0});
  ASSERT_EQ(check_command(1, &address, &data), 1);
  std::this_thread::sleep_for(kPastTheWindow);
  EXPECT_EQ(put_responce(1, 0xAAAA), 1);  // queued, but too late for frame 1
  EXPECT_TRUE(gateway.quiet_for(milliseconds(200)));

  gateway.send_command({'R', 0x02, 0});
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 2);
  ASSERT_EQ(put_responce(1, 0xBBBB), 1);
  EXPECT_TRUE(next_response_is(gateway, 'R', 0xBBBB)) << "frame 2 answered with frame 1's late put?";
  EXPECT_TRUE(gateway.quiet_for(kPastTheWindow));
}

TEST_F(LinkTest, FrameThatArrivesAfterItsCallerGaveUpGoesToNoOne) {
  open_link();
  const std::string first = sim::command_frame({'R', 0x01, 0x11111111});
  gateway.send(first.substr(0, 8));
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), -1);  // only half a frame within 300 ms
  gateway.send(first.substr(8));
  gateway.send_command({'R', 0x02, 0x22222222});
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 2) << "the second caller was handed the frame read for the first";
  EXPECT_EQ(data, 0x22222222);
}

TEST_F(LinkTest, PutWithoutAFrameSendsNothing) {
  open_link();
  EXPECT_EQ(put_responce(1, 1), 1);
  EXPECT_TRUE(gateway.quiet_for(milliseconds(400)));
  gateway.send_command({'R', 0x03, 0});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_TRUE(gateway.quiet_for(milliseconds(100))) << "the early put was sent for a later frame";
}

TEST_F(LinkTest, FrameWithoutPutGoesUnanswered) {
  open_link();
  gateway.send_command({'R', 0x01, 0});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_TRUE(gateway.quiet_for(kPastTheWindow));
}

}  // namespace
}  // namespace vuz::test
