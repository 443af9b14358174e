// The monitor's bounded word read over the link library's call, with a stand-in for the call.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "editors/LinkWordReader.h"

using editors::LinkWordReader;
using std::chrono::milliseconds;

namespace {

// A short frame wait, so that a call that sees nothing takes little time.
constexpr milliseconds kFrameWait{40};

enum Answer { kWord, kPoll, kNothing, kFailed, kAborted };

// Plays the library: each call gives the next answer (the last one repeats).
struct ScriptedCall {
  std::int32_t operator()(std::int32_t axis, std::int32_t address, std::int32_t* value) {
    calls.push_back({axis, address});
    const Answer answer = answers[std::min(calls.size(), answers.size()) - 1];
    switch (answer) {
      case kWord: *value = -5; return 1;
      case kPoll: return -1;
      case kNothing: std::this_thread::sleep_for(kFrameWait); return -1;
      case kFailed: return 0;
      case kAborted: return -4;
    }
    return 0;
  }
  std::vector<Answer> answers;
  std::vector<std::pair<std::int32_t, std::int32_t>> calls;
};

struct ReadCase {
  const char* name;
  std::vector<Answer> answers;
  std::optional<std::int32_t> word;
  std::size_t calls;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class BoundedRead : public testing::TestWithParam<ReadCase> {};

}  // namespace

TEST_P(BoundedRead, GoesOnOnlyAfterAnAnsweredPoll) {
  ScriptedCall call{GetParam().answers, {}};
  LinkWordReader reader([&call](std::int32_t axis, std::int32_t address, std::int32_t* value) {
    return call(axis, address, value);
  }, kFrameWait);
  EXPECT_EQ(reader.Read(3, 0x9013), GetParam().word);
  EXPECT_EQ(call.calls.size(), GetParam().calls);
  EXPECT_EQ(call.calls.front(), std::make_pair(3, 0x9013));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, BoundedRead,
    testing::Values(ReadCase{"PollThenWord", {kPoll, kWord}, -5, 2},
                    ReadCase{"WordAtOnce", {kWord}, -5, 1},
                    ReadCase{"NothingArrives", {kNothing, kWord}, std::nullopt, 1},
                    ReadCase{"PollThenNothing", {kPoll, kNothing, kWord}, std::nullopt, 2},
                    ReadCase{"Failed", {kFailed, kWord}, std::nullopt, 1},
                    ReadCase{"Aborted", {kAborted, kWord}, std::nullopt, 1},
                    ReadCase{"PollsWithoutTheWord", {kPoll}, std::nullopt,
                             LinkWordReader::kMaxCalls}),
    [](const auto& info) { return std::string(info.param.name); });
