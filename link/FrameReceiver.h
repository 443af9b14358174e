// Receiving one command frame: bytes up to STX are skipped, the 15 after it read in one read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "ByteLine.h"
#include "Frame.h"

namespace klvn {

// Reads `count` bytes before the deadline, over as many reads as the line needs; fewer when the
// deadline passes, `stop` says so or the line is lost.
LineRead read_bytes(ByteLine& line, std::uint8_t* buffer, std::size_t count,
                    LineClock::time_point deadline, const std::function<bool()>& stop);

enum class ReceiveEnd {
  Frame,     // a valid command frame
  Invalid,   // 16 bytes from STX on that are no valid frame; dropped
  TimedOut,  // no STX, or fewer than 15 bytes after it, within the read time-out
  Stopped,   // `stop` said so while no frame had started
  LineLost,  // the line hung up or its device failed
};

struct Receipt {
  ReceiveEnd end = ReceiveEnd::TimedOut;
  CommandFields fields{};  // for Frame
};

// Reads one command frame into `frame` within the read time-outs of `timeouts` (each read of n
// bytes: constant + multiplier x n). `stop` is asked only until STX arrives: the rest of a
// started frame is read whoever waits, since it cannot be put back. `started` is told when STX
// has arrived.
Receipt receive_frame(ByteLine& line, const TimeoutRecord& timeouts, FrameBytes& frame,
                      const std::function<bool()>& stop, const std::function<void()>& started);

}  // namespace klvn
