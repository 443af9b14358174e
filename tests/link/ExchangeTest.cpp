// Command frames from the gateway and the responses to them, end to end over a pty.
#include <cstring>
#include <string>

#include "LinkTestSupport.h"

namespace vuz::test {
namespace {

using sim::command_frame;
using sim::HexCase;

constexpr int32_t kUntouched = 0x5A5A5A5A;

TEST_F(LinkTest, NoiseAndHalfFrameBeforeStxAreSkipped) {
  open_link();
  const std::string half_frame = command_frame({'R', 0x11, 0x22}).substr(8);
  gateway.send("\xFF\x55 noise\r\n" + half_frame);
  gateway.send_command({'R', 0x42, 0xCAFE0001});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 0x42);
  EXPECT_EQ(static_cast<uint32_t>(data), 0xCAFE0001u);
}

struct BrokenFrame {
  const char* fault;
  std::size_t byte;
  char value;
};

void PrintTo(const BrokenFrame& frame, std::ostream* out) { *out << frame.fault; }

class BrokenFrameTest : public LinkTest, public ::testing::WithParamInterface<BrokenFrame> {};

TEST_P(BrokenFrameTest, IsDroppedAndTheNextGoodFrameArrives) {
  open_link();
  std::string broken = command_frame({'R', 0x01, 0x11111111});
  broken[GetParam().byte] = GetParam().value;
  gateway.send(broken);
  gateway.send_command({'R', 0x02, 0x22222222});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 2);
  EXPECT_EQ(data, 0x22222222);
  ASSERT_EQ(put_responce(1, 0x33), 1);
  EXPECT_TRUE(next_response_is(gateway, 'R', 0x33));
  EXPECT_TRUE(gateway.quiet_for(milliseconds(400))) << "a second response: the broken frame was answered";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenFrameTest,
    ::testing::Values(BrokenFrame{"checksum", 14, '0' /* its checksum is 75 */},
                      BrokenFrame{"etx", 15, 'X'}, BrokenFrame{"byte1", 1, 'Q'},
                      BrokenFrame{"nonhex", 7, 'G'}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST_F(LinkTest, LowerCaseHexIsAccepted) {
  open_link();
  gateway.send_command({'R', 0xAB, 0xABCDEF12}, HexCase::Lower);
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  EXPECT_EQ(address, 0xAB);
  EXPECT_EQ(static_cast<uint32_t>(data), 0xABCDEF12u);
}

TEST_F(LinkTest, ResponseToReadIsByteForByte) {
  open_link();
  gateway.send_command({'R', 0x00, 0});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(1, &address, &data), 1);
  ASSERT_EQ(put_responce(1, 305419896), 1);
  // 'U'+'P'+'R'+'0'+"12345678" = 715; (0 - 715) mod 256 = 0x35.
  const std::string expected = "\x02UPR01234567835\x03";
  EXPECT_EQ(sim::printable(gateway.receive(16, milliseconds(2000))), sim::printable(expected));
}

TEST_F(LinkTest, PollGivesTwoAndLeavesTheOutsAlone) {
  open_link();
  gateway.send_poll(0x10000000);
  int32_t address = kUntouched, data = kUntouched;
  EXPECT_EQ(check_command(0, &address, &data), 2);
  EXPECT_EQ(address, kUntouched);
  EXPECT_EQ(data, kUntouched);
}

TEST_F(LinkTest, WriteResponseCarriesZeroData) {
  open_link();
  gateway.send_command({'W', 0x05, 0x12345678});
  int32_t address = 0, data = 0;
  ASSERT_EQ(check_command(0, &address, &data), 1);
  ASSERT_EQ(put_responce(0, 7), 1);
  EXPECT_TRUE(next_response_is(gateway, 'W', 0u));
}

TEST_F(LinkTest, AbortIsSeenByTheAxisCheckAndAcknowledgedWithZ) {
  open_link();
  gateway.send_command({'Z', 0x00, 0});
  int32_t address = kUntouched, data = kUntouched;
  EXPECT_EQ(check_ax_command(0, &address, &data), -4);
  EXPECT_EQ(data, kUntouched);
  ASSERT_EQ(put_ax_responce(8, 0x1234), 1);
  EXPECT_TRUE(next_response_is(gateway, 'Z', 0x1234u));
}

TEST_F(LinkTest, AbortIsAnotherLetterForTheWordCheck) {
  open_link();
  gateway.send_command({'Z', 0x00, 0});
  int32_t address = 0, data = 0;
  EXPECT_EQ(check_command(0, &address, &data), 0);
}

TEST_F(LinkTest, AnotherLetterGivesZero) {
  open_link();
  gateway.send_command({'W', 0x00, 0});
  int32_t address = kUntouched, data = kUntouched;
  EXPECT_EQ(check_command(1, &address, &data), 0);
  EXPECT_EQ(data, kUntouched);
}

TEST_F(LinkTest, NoFrameGivesMinusOne) {
  open_link();
  int32_t address = 0, data = 0;
  EXPECT_EQ(check_command(1, &address, &data), -1);
}

// Letters by block type: the gateway's letter is the one the check expects, and the response
// carries the same letter (read: with the data; write: with 0).
struct WordLetters {
  int32_t block_type;
  char write_letter;
  char read_letter;
};

TEST_F(LinkTest, WordImageLettersFollowTheBlockType) {
  open_link();
  const WordLetters table[] = {{0, 'W', 'R'}, {1, 'w', 'r'}, {2, 'x', 's'}, {3, 'y', 't'},
                               {4, 'c', 'd'}, {5, 'e', 'k'}, {6, 'f', 'l'}, {7, 'g', 'm'},
                               {8, 'h', 'n'}, {9, 'W', 'R'}, {-1, 'W', 'R'}};
  for (const auto& row : table) {
    for (const int32_t reads : {0, 1}) {
      const char letter = reads ? row.read_letter : row.write_letter;
      SCOPED_TRACE(testing::Message() << "type " << row.block_type << " letter " << letter);
      gateway.send_command({letter, 0x10, 0xFEDCBA98});
      int32_t address = 0, data = 0;
      ASSERT_EQ(check_command_ex(reads, &address, &data, row.block_type), 1);
      EXPECT_EQ(address, 0x10);
      EXPECT_EQ(static_cast<uint32_t>(data), 0xFEDCBA98u);
      ASSERT_EQ(put_responce_ex(reads, 0x0BADF00D, row.block_type), 1);
      EXPECT_TRUE(next_response_is(gateway, letter, reads ? 0x0BADF00Du : 0u));
    }
  }
}

TEST_F(LinkTest, ExtendedCallsUseBlockTypeOne) {
  open_link();
  for (const int32_t reads : {0, 1}) {
    const char letter = reads ? 'r' : 'w';
    gateway.send_command({letter, 0x20, 5});
    int32_t address = 0, data = 0;
    ASSERT_EQ(check_excommand(reads, &address, &data), 1);
    ASSERT_EQ(put_exresponce(reads, 9), 1);
    EXPECT_TRUE(next_response_is(gateway, letter, reads ? 9u : 0u));
  }
}

TEST_F(LinkTest, AxisLettersFollowTheAxisType) {
  open_link();
  // Types outside 0-7 check for 'H' and answer with 'Z'.
  const struct {
    int32_t ax_type;
    char check_letter;
    char response_letter;
  } table[] = {{0, 'A', 'A'}, {1, 'B', 'B'}, {2, 'C', 'C'}, {3, 'D', 'D'}, {4, 'E', 'E'},
               {5, 'F', 'F'}, {6, 'G', 'G'}, {7, 'H', 'H'}, {9, 'H', 'Z'}, {-1, 'H', 'Z'}};
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "ax_type " << row.ax_type);
    gateway.send_command({row.check_letter, 0x1F, 77});
    int32_t address = 0, data = 0;
    ASSERT_EQ(check_ax_command(row.ax_type, &address, &data), 1);
    EXPECT_EQ(address, 0x1F);
    EXPECT_EQ(data, 77);
    ASSERT_EQ(put_ax_responce(row.ax_type, -2), 1);
    EXPECT_TRUE(next_response_is(gateway, row.response_letter, 0xFFFFFFFEu));
  }
}

TEST_F(LinkTest, PollAnswerStoresThePollDataAndAnswersWithTheCode) {
  open_link();
  gateway.send_poll(0x9000ABCD);
  int32_t poll_data = 0;
  EXPECT_EQ(exec_poll_answer(&poll_data, 4), 1);
  EXPECT_EQ(static_cast<uint32_t>(poll_data), 0x9000ABCDu);
  EXPECT_TRUE(next_response_is(gateway, 'P', 4u));
}

TEST_F(LinkTest, PollAnswerGivesMinusOneForAnotherLetterOrNoFrame) {
  open_link();
  int32_t poll_data = kUntouched;
  EXPECT_EQ(exec_poll_answer(&poll_data, 4), -1);
  gateway.send_command({'R', 0, 1});
  EXPECT_EQ(exec_poll_answer(&poll_data, 4), -1);
  EXPECT_EQ(poll_data, kUntouched);
  EXPECT_TRUE(gateway.quiet_for(milliseconds(400)));
}

}  // namespace
}  // namespace vuz::test
