#include "LinkThread.h"

#include <pthread.h>
#include <sched.h>

#include <thread>

#include "LinkBlock.h"
#include "Library.h"
#include "PortOps.h"

namespace klvn {

namespace {

constexpr milliseconds kWaitSlice{300};

// The gateway expects its answer quickly: run ahead of everything else where allowed.
void raise_priority() {
  sched_param param{};
  param.sched_priority = sched_get_priority_max(SCHED_FIFO);
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);  // refused without privilege
}

// Waits for open requests until the port is open (true) or the client is gone (false).
bool open_when_asked(Library& lib) {
  bool failed = false;
  while (lib.client_held) {
    set_link_state(failed ? 2 : 1);
    if (!lib.init_event.wait_for(kWaitSlice)) continue;
    set_link_state(3);
    if (open_com_port() && set_com_speed(20)) {
      set_link_state(4);
      return true;
    }
    close_com_port();
    failed = true;
  }
  return false;
}

// One exchange: a caller's request, the frame read for it, and the response to that frame. A
// frame whose caller no longer waits, and a response that is not there within the window, are
// dropped; stale signals never pair with a later request or frame.
void serve_one_request(Library& lib) {
  if (!lib.rx_req_event.wait_for(kWaitSlice)) return;
  const FrameRequest request{lib.wanted, lib.client_held};
  std::uint32_t frame_number = 0;
  while (frame_number == 0) {
    clear_rx_frame();
    const ReceivedFrame frame = receive_command_frame(request);
    const std::uint32_t waiting = lib.wanted;
    if (!lib.client_held || waiting == 0) return;
    if (frame.valid && frame.request == waiting) frame_number = waiting;
  }
  lib.rx_event.set(frame_number);
  std::this_thread::sleep_for(milliseconds(3));
  if (!lib.tx_event.wait_for_tag(frame_number, kWaitSlice)) return;
  if (lib.client_held) send_response_frame();
}

}  // namespace

void run_link_thread(Library& lib) {
  raise_priority();
  set_link_state(0);
  lib.server_exist = true;
  if (open_when_asked(lib)) {
    while (lib.client_held) serve_one_request(lib);
  }
  close_com_port();
  lib.server_exist = false;
}

}  // namespace klvn
