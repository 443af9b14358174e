#include "FrameReceiver.h"

namespace klvn {

namespace {

LineClock::time_point read_deadline(const TimeoutRecord& timeouts, std::size_t count) {
  return LineClock::now() +
         std::chrono::milliseconds(timeouts.read_constant_ms + timeouts.read_multiplier_ms * count);
}

}  // namespace

LineRead read_bytes(ByteLine& line, std::uint8_t* buffer, std::size_t count,
                    LineClock::time_point deadline, const std::function<bool()>& stop) {
  LineRead total;
  while (total.bytes < count) {
    const LineRead part = line.read_some(buffer + total.bytes, count - total.bytes, deadline, stop);
    total.bytes += part.bytes;
    total.lost = part.lost;
    if (part.lost || part.bytes == 0) break;
  }
  return total;
}

Receipt receive_frame(ByteLine& line, const TimeoutRecord& timeouts, FrameBytes& frame,
                      const std::function<bool()>& stop, const std::function<void()>& started) {
  std::uint8_t byte = 0;
  do {
    const LineRead got = read_bytes(line, &byte, 1, read_deadline(timeouts, 1), stop);
    if (got.lost) return {ReceiveEnd::LineLost};
    if (got.bytes != 1) return {stop() ? ReceiveEnd::Stopped : ReceiveEnd::TimedOut};
  } while (byte != kStx);
  started();

  frame[0] = kStx;
  const std::size_t rest = kFrameSize - 1;
  const LineRead got = read_bytes(line, frame.data() + 1, rest, read_deadline(timeouts, rest),
                                  [] { return false; });
  if (got.lost) return {ReceiveEnd::LineLost};
  if (got.bytes != rest) return {ReceiveEnd::TimedOut};
  const auto fields = parse_command_frame(frame);
  if (!fields) return {ReceiveEnd::Invalid};
  return {ReceiveEnd::Frame, *fields};
}

}  // namespace klvn
