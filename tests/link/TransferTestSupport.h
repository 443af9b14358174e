// What the transfer tests share: the gateway as master of whole transfers on a thread of its
// own while the test calls the PC's step function in a loop, as the program does.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "GatewayMaster.h"
#include "LinkTestSupport.h"

namespace vuz::test {

using sim::FaultKind;
using sim::TransferEnd;

struct TransferRun {
  int32_t result;                // the step's first result other than -1
  sim::TransferOutcome outcome;  // the gateway's side of it
};

class TransferTest : public LinkTest {
 protected:
  void SetUp() override { open_link(); }

  // The gateway serves one transfer (with `fault`) while `step` is called while it gives -1.
  TransferRun run_transfer(const std::function<int32_t()>& step, sim::Fault fault = {});

  sim::GatewayMaster master{gateway};
};

// The step ended with 1, and the gateway completed the transfer that `request_code` named,
// answering `letters` frames by letter.
::testing::AssertionResult completed(const TransferRun& run, uint32_t request_code,
                                     const std::map<char, std::size_t>& letters);

// Sends a poll and waits until it lies unread in the PC's receive queue (a pty hands written
// bytes on a moment later), so that a test can then tell whether a call took it.
::testing::AssertionResult poll_lies_unread(sim::GatewaySimulator& gateway);
::testing::AssertionResult poll_still_unread(sim::GatewaySimulator& gateway);

// Distinct words, different for each seed, with the sign bit set in some.
std::vector<uint32_t> pattern(std::size_t count, uint32_t seed);
std::vector<int32_t> signed_pattern(std::size_t count, uint32_t seed);
std::vector<uint32_t> as_unsigned(std::span<const int32_t> words);

}  // namespace vuz::test
