#include "SerialPort.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "klvndrv.h"

namespace klvn {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often a waiting read looks at its stop condition and a dead device is looked at again.
constexpr milliseconds kSlice{20};

// What poll tells of a line that is gone; reported whatever was asked for.
constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

// The errors of a device that is gone: EIO from a hung-up tty or a pty without its master,
// ENXIO and ENODEV from a removed USB adapter.
bool is_gone_error(int error) { return error == EIO || error == ENXIO || error == ENODEV; }

int remaining_ms(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::min(left, kSlice).count());
}

void make_raw_8n1(termios& t) {
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  t.c_cflag |= CS8 | CREAD | CLOCAL;
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                      INPCK | IXON | IXOFF | IXANY);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
}

}  // namespace

std::int32_t SerialPort::open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  // EBUSY: another program has put the device in exclusive mode.
  if (fd < 0) return errno == EBUSY ? KLVNDRV_SIO_PORT_HELD : KLVNDRV_SIO_CANNOT_OPEN;
  auto fail = [fd](std::int32_t code) {
    ::close(fd);
    return code;
  };
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    return fail(errno == EWOULDBLOCK ? KLVNDRV_SIO_PORT_HELD : KLVNDRV_SIO_CANNOT_OPEN);
  }
  termios saved{};
  if (tcgetattr(fd, &saved) != 0) return fail(KLVNDRV_SIO_NO_SERIAL_PORT);
  int exclusive = 0;
  const bool was_exclusive = ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
  if (ioctl(fd, TIOCEXCL) != 0) return fail(KLVNDRV_SIO_CANNOT_OPEN);

  termios working = saved;
  make_raw_8n1(working);
  cfsetispeed(&working, B9600);
  cfsetospeed(&working, B9600);
  if (tcsetattr(fd, TCSANOW, &working) != 0) {
    if (!was_exclusive) ioctl(fd, TIOCNXCL);
    return fail(KLVNDRV_SIO_NO_SERIAL_PORT);
  }
  int modem_lines = 0;
  if (ioctl(fd, TIOCMGET, &modem_lines) == 0) {
    int lowered = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIC, &lowered);
  } else {
    modem_lines = -1;
  }

  {
    std::lock_guard lock(handle_guard_);
    fd_ = fd;
  }
  lost_ = false;
  saved_ = saved;
  saved_exclusive_ = was_exclusive;
  saved_modem_lines_ = modem_lines;
  timeouts_ = TimeoutRecord{2, 200, 2, 200};
  clear_errors();
  purge();
  return 0;
}

bool SerialPort::set_baud(speed_t baud) {
  termios t{};
  if (tcgetattr(fd_, &t) != 0) return false;
  cfsetispeed(&t, baud);
  cfsetospeed(&t, baud);
  return tcsetattr(fd_, TCSANOW, &t) == 0;
}

LineRead SerialPort::read_some(std::uint8_t* buffer, std::size_t count,
                             LineClock::time_point deadline, const std::function<bool()>& stop) {
  while (fd_ >= 0 && !lost_ && !stop()) {
    const int wait_ms = remaining_ms(deadline);
    if (wait_ms <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    const int ready = poll(&p, 1, wait_ms);
    if (ready == 0) continue;
    if (ready > 0) {
      // Bytes that came before a hang-up are still taken.
      const ssize_t n = ::read(fd_, buffer, count);
      if (n > 0) return {static_cast<std::size_t>(n), false};
      if ((p.revents & kGoneEvents) || (n < 0 && is_gone_error(errno))) {
        lost_ = true;
        break;
      }
      if (n < 0 && errno == EAGAIN) continue;
    }
    // Anything else answers poll at once; wait out the slice as a quiet line would, so the read
    // still ends by its time-out and does not spin.
    std::this_thread::sleep_for(milliseconds(wait_ms));
  }
  return {0, lost_};
}

bool SerialPort::write(const std::uint8_t* bytes, std::size_t count) {
  if (fd_ < 0 || lost_) return false;
  const auto deadline = Clock::now() + milliseconds(timeouts_.write_constant_ms +
                                                    timeouts_.write_multiplier_ms * count);
  std::size_t done = 0;
  while (done < count) {
    const int wait_ms = remaining_ms(deadline);
    if (wait_ms <= 0) return false;
    pollfd p{fd_, POLLOUT, 0};
    if (poll(&p, 1, wait_ms) <= 0) continue;
    if (p.revents & kGoneEvents) lost_ = true;
    if (lost_ || !(p.revents & POLLOUT)) return false;
    const ssize_t n = ::write(fd_, bytes + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (!(n < 0 && errno == EAGAIN)) {
      lost_ = n < 0 && is_gone_error(errno);
      return false;
    }
  }
  return true;
}

bool SerialPort::line_lost() {
  if (fd_ >= 0 && !lost_) {
    pollfd p{fd_, 0, 0};
    lost_ = poll(&p, 1, 0) > 0 && (p.revents & kGoneEvents);
  }
  return lost_;
}

std::uint32_t SerialPort::clear_errors() {
  std::lock_guard lock(handle_guard_);
  serial_icounter_struct counts{};
  if (fd_ < 0 || ioctl(fd_, TIOCGICOUNT, &counts) != 0) return 0;  // a pty keeps no counts
  const ErrorCounts now{counts.buf_overrun, counts.overrun, counts.parity, counts.frame, counts.brk};
  std::uint32_t mask = 0;
  if (now.buffer_overrun != error_base_.buffer_overrun) mask |= 0x01;
  if (now.overrun != error_base_.overrun) mask |= 0x02;
  if (now.parity != error_base_.parity) mask |= 0x04;
  if (now.frame != error_base_.frame) mask |= 0x08;
  if (now.brk != error_base_.brk) mask |= 0x10;
  error_base_ = now;
  return mask;
}

void SerialPort::purge() {
  std::lock_guard lock(handle_guard_);
  if (fd_ < 0) return;
  tcflush(fd_, TCIFLUSH);
  tcflush(fd_, TCOFLUSH);
}

void SerialPort::close() {
  std::lock_guard lock(handle_guard_);
  if (fd_ < 0) return;
  tcsetattr(fd_, TCSANOW, &saved_);
  if (saved_modem_lines_ >= 0) {
    int lines = saved_modem_lines_ & (TIOCM_DTR | TIOCM_RTS);
    ioctl(fd_, TIOCMBIS, &lines);
  }
  if (!saved_exclusive_) ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
  lost_ = false;
}

}  // namespace klvn
