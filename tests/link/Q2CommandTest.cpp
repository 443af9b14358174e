// The Q2 preparation: a poll answer announcing it, the word written to address 1024, a poll
// answer committing it; each phase waits a bounded time for the gateway.
#include <thread>

#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

using sim::decode_request;

constexpr int32_t kAxis = 5, kSubIndex = 3, kValue = 0x1234;
constexpr uint32_t kAnnounce = kAxis * 4096 + kSubIndex * 256 + 14;
constexpr uint32_t kWrite = 1024u << 16 | kAxis * 4096 | 16;
constexpr uint32_t kCommit = kAxis * 4096 + 271;

TEST_F(TransferTest, Q2AnnouncesWritesAndCommits) {
  std::vector<std::optional<uint32_t>> answers;
  sim::TransferOutcome write;
  std::jthread gateway_side([&] {
    answers.push_back(master.poll(0));
    answers.push_back(master.poll(0));
    if (const auto request = decode_request(answers.back().value_or(0))) write = master.perform(*request);
    answers.push_back(master.poll(0));
  });
  EXPECT_EQ(prepare_Q2_command(kAxis, kSubIndex, kValue), 1);
  gateway_side.join();
  EXPECT_EQ(answers, (std::vector<std::optional<uint32_t>>{kAnnounce, kWrite, kCommit}));
  EXPECT_EQ(write.end, TransferEnd::Completed) << write.error;
  EXPECT_EQ(master.words.get(kAxis, 1024), static_cast<uint32_t>(kValue));
}

// A gateway that falls silent after the announcement: the write phase gives up and nothing more
// is sent.
TEST_F(TransferTest, Q2GivesUpOnASilentGateway) {
  std::optional<uint32_t> announce;
  std::jthread gateway_side([&] { announce = master.poll(0); });
  EXPECT_EQ(prepare_Q2_command(kAxis, kSubIndex, kValue), 0);
  gateway_side.join();
  EXPECT_EQ(announce, kAnnounce);
  EXPECT_TRUE(gateway.quiet_for(milliseconds(100)));
}

// An abort of the write ends the preparation: no commit follows a word the gateway never took.
TEST_F(TransferTest, Q2EndsAtAnAbortedWrite) {
  sim::TransferOutcome write;
  auto next_poll = ::testing::AssertionFailure();
  std::jthread gateway_side([&] {
    master.poll(0);
    if (const auto request = decode_request(master.poll(0).value_or(0)))
      write = master.perform(*request, {FaultKind::Abort, 0});
    next_poll = poll_lies_unread(gateway);
  });
  EXPECT_EQ(prepare_Q2_command(kAxis, kSubIndex, kValue), -4);
  gateway_side.join();
  EXPECT_EQ(write.end, TransferEnd::Aborted) << write.error;
  EXPECT_TRUE(next_poll) << "a poll after the abort was taken";
  EXPECT_TRUE(poll_still_unread(gateway));
}

}  // namespace
}  // namespace vuz::test
