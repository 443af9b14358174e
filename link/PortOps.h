// The port operations of the link, acting on the link record. Only the link thread calls them,
// except purge_com_port, which a caller's thread may call at any time.
#pragma once

#include <atomic>
#include <cstdint>

namespace klvn {

// Opens and sets up the port named in the link record; on failure the port error is stored
// there and the port is closed. 1 or 0.
std::int32_t open_com_port();
// Changes the speed (code 20: 115200 baud) and the time-out multipliers; failure stores -8.
std::int32_t set_com_speed(std::int32_t code);

// Who a receive is for. It reads only while a caller waits (`wanted` nonzero) and the client
// holds the library, and a frame belongs to the request that was waiting when its STX arrived.
struct FrameRequest {
  const std::atomic<std::uint32_t>& wanted;
  const std::atomic<bool>& client_held;
};
struct ReceivedFrame {
  bool valid = false;
  std::uint32_t request = 0;  // the request number the frame belongs to
};
// Reads one command frame and, when valid, stores it in the link record. A read time-out stores
// the port's error mask as the com errlog; an invalid frame is dropped silently; a lost line
// ends the receive (com_line_lost() tells).
ReceivedFrame receive_command_frame(const FrameRequest& request);
void clear_rx_frame();

// Sends the response frame for the response letter and data of the link record. 1 or 0.
std::int32_t send_response_frame();

void purge_com_port();
void close_com_port();

// Whether the open port's line is gone: a hang-up or a device error seen by a read or write, or
// a hang-up now. A quiet line is not gone.
bool com_line_lost();
// Records a lost line (com errlog: the port's errors and the I/O-error bit 0x400; SioError:
// KLVNDRV_SIO_LINE_LOST) and closes the port.
void drop_lost_line();

}  // namespace klvn
