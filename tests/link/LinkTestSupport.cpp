#include "LinkTestSupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace vuz::test {

::testing::AssertionResult next_response_is(sim::GatewaySimulator& gateway, char letter,
                                            std::uint32_t data) {
  const auto reply = gateway.read_response();
  if (!reply.response) return ::testing::AssertionFailure() << reply.error;
  if (reply.response->letter != letter || reply.response->data != data)
    return ::testing::AssertionFailure() << "got " << sim::printable(reply.bytes);
  return ::testing::AssertionSuccess();
}

bool link_thread_running() {
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    if (std::getline(comm, name) && name == "klvn_link") return true;
  }
  return false;
}

bool link_thread_gone() {
  // A joined thread can linger in /proc for a moment after the join returns.
  for (int i = 0; i < 100 && link_thread_running(); ++i)
    std::this_thread::sleep_for(milliseconds(20));
  return !link_thread_running();
}

}  // namespace vuz::test
