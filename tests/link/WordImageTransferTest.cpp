// Whole word images between the PC and the gateway, end to end over a pty.
#include <algorithm>
#include <map>
#include <string>

#include "TransferTestSupport.h"

namespace vuz::test {
namespace {

std::function<int32_t()> word_image_step(bool download, std::vector<int32_t>& words) {
  return [download, &words] { return download ? exec_download(words.data()) : exec_upload(words.data()); };
}

std::string direction(bool download) { return download ? "Download" : "Upload"; }

struct WordImageCase {
  int32_t capacity;
  bool download;
  uint32_t request_code;
  std::map<char, std::size_t> letters;
};

void PrintTo(const WordImageCase& c, std::ostream* out) { *out << direction(c.download) << c.capacity; }

class WordImageTest : public TransferTest, public ::testing::WithParamInterface<WordImageCase> {};

TEST_P(WordImageTest, MovesEveryWordWithTheLettersOfItsBlock) {
  const auto& c = GetParam();
  master.data.word_image = pattern(static_cast<std::size_t>(c.capacity), 1);
  std::vector<int32_t> words = signed_pattern(static_cast<std::size_t>(c.capacity), 2);
  ASSERT_EQ(reset_load_count(c.capacity), c.capacity);

  const auto run = run_transfer(word_image_step(c.download, words));
  EXPECT_TRUE(completed(run, c.request_code, c.letters));
  EXPECT_EQ(get_load_count(), c.capacity);
  EXPECT_EQ(as_unsigned(words), master.data.word_image);
}

INSTANTIATE_TEST_SUITE_P(
    Capacities, WordImageTest,
    ::testing::Values(
        WordImageCase{305, false, 1, {{'W', 256}, {'w', 49}}},
        WordImageCase{305, true, 2, {{'R', 256}, {'r', 49}}},
        WordImageCase{600, false, 32, {{'W', 256}, {'w', 256}, {'x', 88}}},
        WordImageCase{600, true, 33, {{'R', 256}, {'r', 256}, {'s', 88}}},
        WordImageCase{1024, false, 32, {{'W', 256}, {'w', 256}, {'x', 256}, {'y', 256}}},
        WordImageCase{1024, true, 33, {{'R', 256}, {'r', 256}, {'s', 256}, {'t', 256}}}),
    [](const auto& info) { return direction(info.param.download) + std::to_string(info.param.capacity); });

// A fault of the gateway's at one word of a 305-word image.
struct FaultAt {
  bool download;
  std::size_t word;
};

void PrintTo(const FaultAt& c, std::ostream* out) { *out << direction(c.download) << c.word; }

std::string fault_case_name(const ::testing::TestParamInfo<FaultAt>& info) {
  return direction(info.param.download) + std::to_string(info.param.word);
}

// The gateway repeats a word whose answer it missed: it is answered again and the words after
// it still follow. Word 255 comes again under 'W'/'R' after the count has entered the 'w'/'r'
// block.
class RepeatedWordTest : public TransferTest, public ::testing::WithParamInterface<FaultAt> {};

TEST_P(RepeatedWordTest, IsAnsweredAndTheCountClimbsOn) {
  const auto& c = GetParam();
  master.data.word_image = pattern(305, 3);
  std::vector<int32_t> words = signed_pattern(305, 4);
  reset_load_count(305);
  const auto run = run_transfer(word_image_step(c.download, words), {FaultKind::RepeatWord, c.word});
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(run.outcome.end, TransferEnd::Completed) << run.outcome.error;
  EXPECT_EQ(run.outcome.answered, 306u);
  EXPECT_EQ(as_unsigned(words), master.data.word_image);
}

INSTANTIATE_TEST_SUITE_P(Words, RepeatedWordTest,
                         ::testing::Values(FaultAt{true, 100}, FaultAt{false, 255}, FaultAt{true, 255}),
                         fault_case_name);

// A frame that skips a word fails the step, goes unanswered and changes nothing: the receiving
// side holds the words before the skip and nothing from it on. Also across a block boundary
// ('r' with address 1 while word 256 is due).
class SkippedWordTest : public TransferTest, public ::testing::WithParamInterface<FaultAt> {};

TEST_P(SkippedWordTest, FailsAndChangesNothing) {
  const auto& c = GetParam();
  const auto gateway_before = pattern(305, 5);
  const auto pc_before = signed_pattern(305, 6);
  master.data.word_image = gateway_before;
  std::vector<int32_t> words = pc_before;
  reset_load_count(305);
  const auto run = run_transfer(word_image_step(c.download, words), {FaultKind::SkipWord, c.word});
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(get_load_count(), static_cast<int32_t>(c.word));
  EXPECT_EQ(run.outcome.end, TransferEnd::NoAnswer) << run.outcome.error;

  const auto sent = c.download ? as_unsigned(pc_before) : gateway_before;
  auto expected = c.download ? gateway_before : as_unsigned(pc_before);
  std::copy_n(sent.begin(), c.word, expected.begin());
  EXPECT_EQ(c.download ? master.data.word_image : as_unsigned(words), expected);
}

INSTANTIATE_TEST_SUITE_P(Words, SkippedWordTest,
                         ::testing::Values(FaultAt{false, 10}, FaultAt{true, 256}), fault_case_name);

// Once the count has reached the capacity the step is done without taking a frame.
TEST_F(TransferTest, StepAfterTheEndGivesOneWithoutTakingAFrame) {
  master.data.word_image = pattern(4, 9);
  std::vector<int32_t> words(4);
  reset_load_count(4);
  ASSERT_EQ(run_transfer(word_image_step(false, words)).result, 1);
  ASSERT_TRUE(poll_lies_unread(gateway));
  EXPECT_EQ(exec_upload(words.data()), 1);
  EXPECT_EQ(exec_download(words.data()), 1);
  EXPECT_TRUE(poll_still_unread(gateway));
  EXPECT_EQ(get_load_count(), 4);
}

}  // namespace
}  // namespace vuz::test
