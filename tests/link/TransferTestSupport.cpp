#include "TransferTestSupport.h"

#include <algorithm>
#include <thread>

namespace vuz::test {

namespace {

// Far more steps than any transfer here needs (1280 words, a poll and the end), so that a step
// that never ends the transfer fails the test instead of hanging it.
constexpr int kMaxSteps = 2000;

}  // namespace

TransferRun TransferTest::run_transfer(const std::function<int32_t()>& step, sim::Fault fault) {
  sim::GatewayThread side(master, {.poll_data = 0x5A, .fault = fault});
  TransferRun run{-1, {}};
  for (int n = 0; n < kMaxSteps && run.result == -1; ++n) run.result = step();
  const auto outcomes = side.wait();
  if (!outcomes.empty()) run.outcome = outcomes.front();
  else run.outcome.end = TransferEnd::Stopped;
  return run;
}

::testing::AssertionResult completed(const TransferRun& run, uint32_t request_code,
                                     const std::map<char, std::size_t>& letters) {
  auto failure = [&run]() {
    return ::testing::AssertionFailure() << "step result " << run.result << ", gateway "
                                         << run.outcome.end << " " << run.outcome.error << ": ";
  };
  if (run.result != 1 || run.outcome.end != TransferEnd::Completed) return failure() << "not completed";
  if (run.outcome.code != request_code) return failure() << "named by " << run.outcome.code;
  if (run.outcome.letters != letters) {
    auto out = failure() << "letters";
    for (const auto& [letter, count] : run.outcome.letters) out << " " << letter << " " << count;
    return out;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult poll_lies_unread(sim::GatewaySimulator& gateway) {
  gateway.send_poll(0);
  for (int i = 0; i < 100 && gateway.unread_by_pc() < sim::kFrameLength; ++i)
    std::this_thread::sleep_for(milliseconds(10));
  return poll_still_unread(gateway);
}

::testing::AssertionResult poll_still_unread(sim::GatewaySimulator& gateway) {
  const std::size_t unread = gateway.unread_by_pc();
  if (unread == sim::kFrameLength) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << unread << " bytes of the poll unread";
}

std::vector<uint32_t> pattern(std::size_t count, uint32_t seed) {
  std::vector<uint32_t> words(count);
  for (std::size_t i = 0; i < count; ++i)
    words[i] = seed * 0x01000193u ^ static_cast<uint32_t>(i) * 0x9E3779B1u;
  return words;
}

std::vector<int32_t> signed_pattern(std::size_t count, uint32_t seed) {
  const auto words = pattern(count, seed);
  return {words.begin(), words.end()};
}

std::vector<uint32_t> as_unsigned(std::span<const int32_t> words) {
  return {words.begin(), words.end()};
}

}  // namespace vuz::test
