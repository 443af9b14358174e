// What the end-to-end tests of the link library share. Every test case runs in a process of its
// own (ctest starts one per case): a process has one link, and once closed it stays closed.
#pragma once

#include <gtest/gtest.h>

#include "GatewaySimulator.h"
#include "klvndrv.h"

namespace vuz::test {

using sim::Command;
using std::chrono::milliseconds;

class LinkTest : public ::testing::Test {
 protected:
  // Opens the link on the simulator's pseudo-terminal; the test stops when that fails.
  void open_link() { ASSERT_EQ(init_klvn_slave(gateway.device_path().c_str()), 1); }

  sim::GatewaySimulator gateway;
};

// The library's next response frame is well formed and carries `letter` and `data`.
::testing::AssertionResult next_response_is(sim::GatewaySimulator& gateway, char letter,
                                            std::uint32_t data);

// Whether this process has a thread named as the library names its link thread.
bool link_thread_running();
// Waits a short while for the link thread to be gone; true when it is.
bool link_thread_gone();

}  // namespace vuz::test
