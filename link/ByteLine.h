// The receiving side of a serial line as the frame receiver sees it: the port, or a fake one.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace klvn {

using LineClock = std::chrono::steady_clock;

// A read or write of n bytes may take at most constant + multiplier x n milliseconds.
// (The record's read interval time-out is always off.)
struct TimeoutRecord {
  unsigned read_multiplier_ms = 0;
  unsigned read_constant_ms = 0;
  unsigned write_multiplier_ms = 0;
  unsigned write_constant_ms = 0;
};

struct LineRead {
  std::size_t bytes = 0;  // bytes read into the buffer
  bool lost = false;      // the line hung up or its device failed: no byte will come any more
};

class ByteLine {
 public:
  // Waits until bytes are there, the deadline passes, `stop` says so or the line is lost, then
  // reads what is there, at most `count` bytes. No bytes and not lost: the wait ended.
  virtual LineRead read_some(std::uint8_t* buffer, std::size_t count, LineClock::time_point deadline,
                             const std::function<bool()>& stop) = 0;

 protected:
  // Not virtual: the port lives in a static that must stay trivially destructible.
  ~ByteLine() = default;
};

}  // namespace klvn
