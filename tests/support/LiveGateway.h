// A gateway at work, for a person watching the run-status monitor without hardware: both links
// online, axis 0 moving between its points (position word counting, point-number and
// positioning-complete words following), the other axes standing in position, and now and then
// an alarm on axis 0 with its address and the alarm history. Axis 0 stands still while in alarm.
#pragma once

#include <chrono>
#include <thread>

#include "GatewayWords.h"

namespace vuz::sim {

// Sets the words the monitor reads as the gateway shows them `elapsed` after it started.
void show_live_gateway(GatewayWords& words, std::chrono::milliseconds elapsed);

// Plays the live gateway on `words` from its construction on, every 10 ms, until destroyed.
class LiveGatewayPlayer {
 public:
  explicit LiveGatewayPlayer(GatewayWords& words);

 private:
  std::jthread thread_;
};

}  // namespace vuz::sim
