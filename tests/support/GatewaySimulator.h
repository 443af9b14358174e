// Plays the gateway, the bus master of the serial link, on the master side of a pseudo-terminal.
// The program or the library opens the slave side (device_path()) as its COM port.
#pragma once

#include <termios.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <stop_token>
#include <string_view>

#include "GatewayFrames.h"

namespace vuz::sim {

using std::chrono::milliseconds;

class GatewaySimulator {
 public:
  // Opens a fresh pseudo-terminal; throws std::runtime_error when none can be had.
  GatewaySimulator();
  ~GatewaySimulator();
  GatewaySimulator(const GatewaySimulator&) = delete;
  GatewaySimulator& operator=(const GatewaySimulator&) = delete;

  // The device to give as the port name (or through KLVNDRV_COMn).
  const std::string& device_path() const { return device_path_; }

  // The slave side's line settings. The simulator keeps the slave open, so the pty stays alive
  // while the library closes and reopens it, and its settings can be read at any time.
  termios slave_settings() const;
  void set_slave_settings(const termios& settings);

  // The gateway's side of the line goes away, as when a USB serial adapter is pulled out: the
  // master side closes and the PC's side hangs up. Nothing can be sent or received afterwards.
  void hang_up();

  // Sends any bytes: noise, half frames, broken frames.
  void send(std::string_view bytes);
  void send_command(const Command& command, HexCase hex_case = HexCase::Upper);
  void send_poll(std::uint32_t poll_data) { send_command({'P', 0, poll_data}); }

  // Bytes from the library: up to `count`, whatever came within `limit`.
  std::string receive(std::size_t count, milliseconds limit);
  // One response frame within `limit`, checked.
  ResponseCheck read_response(milliseconds limit = milliseconds(2000));
  // True when the library sends nothing for `span`.
  bool quiet_for(milliseconds span);

  // Bytes sent to the PC that it has not read yet. The PC reads only while it waits for a
  // frame, so a frame that stays unread means the PC is not calling.
  std::size_t unread_by_pc() const;
  // The response to the frame just sent, as the gateway waits for it: for as long as the PC has
  // not read that frame, then up to `answer_limit` from when it has. Ends early on `stop`.
  ResponseCheck await_response(milliseconds answer_limit, std::stop_token stop = {});

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string device_path_;
};

}  // namespace vuz::sim
