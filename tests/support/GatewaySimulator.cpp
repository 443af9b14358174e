#include "GatewaySimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace vuz::sim {

namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting gateway looks whether the PC has read its frame, or was told to stop.
constexpr milliseconds kWatchSlice{20};

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string("gateway simulator: ") + what + ": " + std::strerror(errno));
}

}  // namespace

GatewaySimulator::GatewaySimulator() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) fail("posix_openpt");
  char name[128];
  if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
    ::close(master_);
    fail("pty set-up");
  }
  device_path_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    ::close(master_);
    fail("open slave");
  }
  // Raw until the library sets the line up, so nothing sent early comes back as an echo.
  termios raw{};
  tcgetattr(slave_, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave_, TCSANOW, &raw);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

GatewaySimulator::~GatewaySimulator() {
  ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

void GatewaySimulator::hang_up() {
  ::close(master_);
  master_ = -1;
}

termios GatewaySimulator::slave_settings() const {
  termios settings{};
  if (tcgetattr(slave_, &settings) != 0) fail("tcgetattr");
  return settings;
}

void GatewaySimulator::set_slave_settings(const termios& settings) {
  if (tcsetattr(slave_, TCSANOW, &settings) != 0) fail("tcsetattr");
}

void GatewaySimulator::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n < 0 && errno == EAGAIN) {
      pollfd p{master_, POLLOUT, 0};
      poll(&p, 1, 100);
      continue;
    }
    if (n < 0) fail("write");
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void GatewaySimulator::send_command(const Command& command, HexCase hex_case) {
  send(command_frame(command, hex_case));
}

std::string GatewaySimulator::receive(std::size_t count, milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  std::string got;
  while (got.size() < count) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[64];
    const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - got.size()));
    if (n > 0) got.append(buffer, static_cast<std::size_t>(n));
  }
  return got;
}

ResponseCheck GatewaySimulator::read_response(milliseconds limit) {
  return check_response_frame(receive(kFrameLength, limit));
}

bool GatewaySimulator::quiet_for(milliseconds span) { return receive(1, span).empty(); }

std::size_t GatewaySimulator::unread_by_pc() const {
  int waiting = 0;
  if (ioctl(slave_, FIONREAD, &waiting) != 0) fail("FIONREAD");
  return static_cast<std::size_t>(waiting);
}

ResponseCheck GatewaySimulator::await_response(milliseconds answer_limit, std::stop_token stop) {
  std::string got;
  auto deadline = Clock::now() + answer_limit;
  while (got.size() < kFrameLength && !stop.stop_requested()) {
    if (unread_by_pc() > 0) deadline = Clock::now() + answer_limit;
    else if (Clock::now() >= deadline) break;
    got += receive(kFrameLength - got.size(), kWatchSlice);
  }
  if (got.empty()) return {std::nullopt, stop.stop_requested() ? "stopped" : "no answer", {}};
  return check_response_frame(got);
}

}  // namespace vuz::sim
