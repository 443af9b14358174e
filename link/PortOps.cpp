#include "PortOps.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

#include "Frame.h"
#include "FrameReceiver.h"
#include "LinkBlock.h"
#include "klvndrv.h"
#include "PortName.h"
#include "SerialPort.h"

namespace klvn {

namespace {

// Nothing to destroy at exit while the link thread may still use it.
static_assert(std::is_trivially_destructible_v<SerialPort>);
SerialPort& port() {
  static SerialPort the_port;
  return the_port;
}

// Filled by one receive; the link thread alone uses it.
FrameBytes rx_frame{};

struct SpeedCode {
  std::int32_t code;
  speed_t baud;  // B0: a speed that termios cannot set
  unsigned multiplier;
};
constexpr SpeedCode kSpeeds[] = {
    {5, B19200, 1}, {6, B38400, 1}, {17, B0, 2} /* 14400 baud */, {19, B57600, 1}, {20, B115200, 1},
};


void store_sio_error(std::int32_t code) {
  with_link_block([code](link_block& b) { b.sio_error = code; });
}

void record_port_errors() {
  const std::uint32_t mask = port().clear_errors();
  with_link_block([mask](link_block& b) { b.com_errlog = mask; });
}

}  // namespace

std::int32_t open_com_port() {
  const std::string name = with_link_block([](const link_block& b) { return std::string(b.port_name); });
  const auto path = device_path_for(name);
  const std::int32_t result = path ? port().open(*path) : KLVNDRV_SIO_CANNOT_OPEN;
  if (result != 0) {
    store_sio_error(result);
    return 0;
  }
  return 1;
}

std::int32_t set_com_speed(std::int32_t code) {
  const auto* found = std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                                   [code](const SpeedCode& s) { return s.code == code; });
  const SpeedCode speed = found != std::end(kSpeeds) ? *found : SpeedCode{code, B9600, 2};
  if (speed.baud == B0 || !port().set_baud(speed.baud)) {
    store_sio_error(KLVNDRV_SIO_SPEED);
    return 0;
  }
  port().timeouts().read_multiplier_ms = speed.multiplier;
  port().timeouts().write_multiplier_ms = speed.multiplier;
  return 1;
}

ReceivedFrame receive_command_frame(const FrameRequest& request) {
  if (!port().is_open()) return {};
  port().timeouts().read_constant_ms = 500;
  std::uint32_t owner = 0;
  const Receipt receipt = receive_frame(
      port(), port().timeouts(), rx_frame,
      [&request] { return request.wanted == 0 || !request.client_held; },
      [&request, &owner] { owner = request.wanted; });
  switch (receipt.end) {
    case ReceiveEnd::Frame:
      with_link_block([&receipt](link_block& b) {
        b.received_letter = receipt.fields.letter;
        b.received_address = receipt.fields.address;
        std::copy(receipt.fields.data.begin(), receipt.fields.data.end(), b.received_data);
        b.received_data[8] = '\0';
      });
      return {true, owner};
    case ReceiveEnd::Invalid:
      clear_rx_frame();
      return {};
    case ReceiveEnd::TimedOut:
      record_port_errors();
      return {};
    case ReceiveEnd::Stopped:
    case ReceiveEnd::LineLost:  // the link thread asks com_line_lost() and records it
      return {};
  }
  return {};
}

void clear_rx_frame() { rx_frame.fill(0); }

std::int32_t send_response_frame() {
  if (!port().is_open()) return 0;
  const FrameBytes frame = with_link_block([](const link_block& b) {
    std::array<char, 8> data{};
    std::copy_n(b.response_data, 8, data.begin());
    return build_response_frame(b.response_letter, data);
  });
  port().clear_errors();
  port().purge();
  if (port().write(frame.data(), frame.size())) return 1;
  record_port_errors();
  return 0;
}

void purge_com_port() {
  port().clear_errors();
  port().purge();
}

void close_com_port() { port().close(); }

bool com_line_lost() { return port().line_lost(); }

void drop_lost_line() {
  const std::uint32_t mask = port().clear_errors() | KLVNDRV_ERRLOG_IO;
  with_link_block([mask](link_block& b) {
    b.com_errlog = mask;
    b.sio_error = KLVNDRV_SIO_LINE_LOST;
  });
  port().close();
}

}  // namespace klvn
