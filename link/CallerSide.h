// The caller's side of the link: finding the link thread, the call lock, and the requests that
// pair one caller with one frame and one response with that frame.
#pragma once

#include <optional>

#include "Frame.h"

namespace klvn {

// True once the link thread has been found (never in an inert instance).
bool connect_link();
// Not inert, connected, not shut down, and the port ready.
bool is_link_ready();

// The call lock, taken with a 300 ms limit; test with operator bool. Never had after shutdown.
class LinkLock {
 public:
  LinkLock();
  ~LinkLock();
  LinkLock(const LinkLock&) = delete;
  LinkLock& operator=(const LinkLock&) = delete;
  explicit operator bool() const { return held_; }

 private:
  bool held_;
};

void signal_open_request();

// Asks the link thread for the next command frame and waits up to 300 ms for one read after
// this request. Hold the call lock. The frame becomes the one the next response answers.
std::optional<CommandFields> request_command_frame();

// Hands the response now in the link record to the link thread, for the frame of the last
// request. Sent only while that frame's response window is open. Hold the call lock.
void signal_response_ready();

}  // namespace klvn
