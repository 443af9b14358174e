// Axis blocks, the expansion word and single gateway words, end to end over a pty.
#include <optional>
#include <string>

#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

using sim::AxisBlock;

// An axis block of 32 words: the gateway's block, and the PC's step on a block of its own.
struct AxisBlockCase {
  const char* name;
  unsigned axis;
  std::optional<unsigned> bank;  // none: the common block
  uint32_t request_code;
  char letter;
  std::function<int32_t(int32_t* words)> step;
};

void PrintTo(const AxisBlockCase& c, std::ostream* out) { *out << c.name; }

class AxisBlockTest : public TransferTest, public ::testing::WithParamInterface<AxisBlockCase> {};

TEST_P(AxisBlockTest, MovesThirtyTwoWords) {
  const auto& c = GetParam();
  sim::AxisImage& axis = master.data.axes[c.axis];
  AxisBlock& block = c.bank ? axis.banks[*c.bank] : axis.common;
  const auto gateway_words = pattern(32, 11);
  std::copy(gateway_words.begin(), gateway_words.end(), block.begin());
  std::vector<int32_t> words = signed_pattern(32, 12);
  reset_load_count(32);
  const auto run = run_transfer([&] { return c.step(words.data()); });
  EXPECT_TRUE(completed(run, c.request_code, {{c.letter, 32}}));
  EXPECT_EQ(get_load_count(), 32);
  EXPECT_EQ(as_unsigned(words), std::vector<uint32_t>(block.begin(), block.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, AxisBlockTest,
    ::testing::Values(
        AxisBlockCase{"CommonUpload", 3, std::nullopt, 3 * 4096 + 5, 'A',
                      [](int32_t* w) { return exec_axcom_upload(3, w); }},
        AxisBlockCase{"CommonDownload", 15, std::nullopt, 15 * 4096 + 6, 'B',
                      [](int32_t* w) { return exec_axcom_download(15, w); }},
        AxisBlockCase{"BankUpload", 7, 15, 7 * 4096 + 15 * 256 + 7, 'C',
                      [](int32_t* w) { return exec_axpoint_upload(7, 15, w); }},
        AxisBlockCase{"BankDownload", 0, 2, 2 * 256 + 8, 'D',
                      [](int32_t* w) { return exec_axpoint_download(0, 2, w); }}),
    [](const auto& info) { return std::string(info.param.name); });

// One word, no counter: the letter, the poll answer, and the word where it belongs.
TEST_F(TransferTest, SingleWordsExchangeTheirLettersAndCodes) {
  master.data.axes[4].expansion = 0x12;
  master.words.set(3, 0x1234, 0xCAFEBABE);
  int32_t expansion = 0, word = 0;
  const struct {
    const char* name;
    std::function<int32_t()> step;
    uint32_t request_code;
    char letter;
  } cases[] = {
      {"expansion upload", [&] { return exec_axexpr_upload(4, &expansion); }, 4 * 4096 + 9, 'E'},
      {"expansion download", [] { return exec_axexpr_download(5, 0x7F); }, 5 * 4096 + 10, 'F'},
      {"word read", [&] { return exec_addr_rd_upload(3, 0x1234, &word); }, 0x1234u << 16 | 3 * 4096 | 17, 'G'},
      {"word write", [] { return exec_addr_wr_download(2, 0x8001, -5); }, 0x8001u << 16 | 2 * 4096 | 16, 'H'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(completed(run_transfer(c.step), c.request_code, {{c.letter, 1}}));
  }
  EXPECT_EQ(expansion, 0x12);
  EXPECT_EQ(master.data.axes[5].expansion, 0x7Fu);
  EXPECT_EQ(static_cast<uint32_t>(word), 0xCAFEBABEu);
  EXPECT_EQ(master.words.get(2, 0x8001), 0xFFFFFFFBu);
}

// The gateway aborts with 'Z': axis and single-word steps acknowledge it and give -4; for a
// word image 'Z' is just a wrong letter.
TEST_F(TransferTest, AbortIsAcknowledgedByAxisAndSingleWordSteps) {
  std::vector<int32_t> words(305);
  int32_t value = 0;
  const struct {
    const char* name;
    int32_t capacity;
    std::function<int32_t()> step;
    std::size_t at;
    int32_t result;
    TransferEnd end;
  } cases[] = {
      {"common block", 32, [&] { return exec_axcom_upload(1, words.data()); }, 5, -4, TransferEnd::Aborted},
      {"point bank", 32, [&] { return exec_axpoint_download(1, 4, words.data()); }, 0, -4, TransferEnd::Aborted},
      {"word read", 0, [&] { return exec_addr_rd_upload(1, 10, &value); }, 0, -4, TransferEnd::Aborted},
      {"word image", 305, [&] { return exec_upload(words.data()); }, 3, 0, TransferEnd::NoAnswer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset_load_count(c.capacity);
    const auto run = run_transfer(c.step, {FaultKind::Abort, c.at});
    EXPECT_EQ(run.result, c.result);
    EXPECT_EQ(run.outcome.end, c.end) << run.outcome.error;
    if (c.capacity) {
      EXPECT_EQ(get_load_count(), static_cast<int32_t>(c.at));
    }
  }
}

// Poll answers at the edges of their rules; the gateway polls and reads the answer.
TEST_F(TransferTest, PollAnswersAtTheEdgesOfTheirRules) {
  std::vector<int32_t> words(513);
  const struct {
    const char* name;
    int32_t capacity;
    std::function<int32_t()> step;
    uint32_t request_code;
  } cases[] = {
      {"512 words", 512, [&] { return exec_upload(words.data()); }, 1},
      {"513 words", 513, [&] { return exec_download(words.data()); }, 33},
      {"bank 16", 32, [&] { return exec_axpoint_upload(9, 16, words.data()); }, 9 * 4096 + 12},
      {"bank 200", 32, [&] { return exec_axpoint_download(9, 200, words.data()); }, 9 * 4096 + 13},
      {"highest address", 0, [] { return exec_addr_wr_download(15, 0xFFFF, 0); }, 0xFFFFF010u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset_load_count(c.capacity);
    gateway.send_poll(0);
    EXPECT_EQ(c.step(), -1);
    EXPECT_TRUE(next_response_is(gateway, 'P', c.request_code));
  }
}

}  // namespace
}  // namespace vuz::test
