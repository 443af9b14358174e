// The COM port on termios: exclusive open, raw 8N1 line settings, read and write time-outs that
// follow the Windows time-out record, error mask, purge, restore of what the port had, and the
// notice of a line that is gone (hang-up, or a device error as when a USB adapter is pulled).
#pragma once

#include <termios.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "ByteLine.h"

namespace klvn {

class SerialPort final : public ByteLine {
 public:
  // Opens `path` for exclusive use and sets 9600 baud, 8N1, raw, no flow control, DTR and RTS
  // off, time-outs 2 ms per byte + 200 ms, then clears errors and purges both queues.
  // Result 0, or the port error (KLVNDRV_SIO_PORT_HELD, _CANNOT_OPEN, _NO_SERIAL_PORT).
  std::int32_t open(const std::string& path);
  bool is_open() const { return fd_ >= 0; }

  // Sets the line speed; false when the port refuses it.
  bool set_baud(speed_t baud);
  TimeoutRecord& timeouts() { return timeouts_; }

  // ByteLine: `stop` is asked every few milliseconds; true ends the wait early. A quiet line
  // is waited on until the deadline; a lost one ends the read at once.
  LineRead read_some(std::uint8_t* buffer, std::size_t count, LineClock::time_point deadline,
                     const std::function<bool()>& stop) override;
  // Writes all bytes within the write time-out; false when it could not.
  bool write(const std::uint8_t* bytes, std::size_t count);
  // Whether the line is gone: seen so by a read or write since the open, or hung up now.
  bool line_lost();

  // Clears the error state and returns the errors seen since the last clear, as the Windows
  // mask: 1 receive buffer overrun, 2 hardware overrun, 4 parity, 8 framing, 16 break.
  std::uint32_t clear_errors();
  // Discards the receive queue, then the transmit queue. Safe on any thread.
  void purge();
  // Restores the settings saved at open and closes the port. Harmless when closed.
  void close();

 private:
  // Guards the handle and the error counts against purge() and clear_errors() from a caller's
  // thread while the link thread opens or closes; the link thread reads and writes without it.
  std::mutex handle_guard_;
  int fd_ = -1;
  termios saved_{};
  bool saved_exclusive_ = false;
  int saved_modem_lines_ = -1;  // -1: the device has no modem lines (pty)
  TimeoutRecord timeouts_{};
  bool lost_ = false;  // the link thread's alone
  struct ErrorCounts {
    int buffer_overrun, overrun, parity, frame, brk;
  } error_base_{};
};

}  // namespace klvn
