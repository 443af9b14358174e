#include "LinkThread.h"

#include <pthread.h>
#include <sched.h>

#include <thread>

#include "LinkBlock.h"
#include "Library.h"
#include "PortOps.h"
#include "klvndrv.h"

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
// `failed`: the last open failed or the line was lost (state 2 while waiting).
bool open_when_asked(Library& lib, bool failed) {
  while (lib.client_held) {
    set_link_state(failed ? KLVNDRV_STATE_OPEN_FAILED : KLVNDRV_STATE_WAITING);
    if (!lib.init_event.wait_for(kWaitSlice)) continue;
    set_link_state(KLVNDRV_STATE_OPENING);
    if (open_com_port() && set_com_speed(20)) {
      set_link_state(KLVNDRV_STATE_READY);
      return true;
    }
    close_com_port();
    failed = true;
  }
  return false;
}

// One exchange: a caller's request, the frame read for it, and the response to that frame. A
// frame whose caller no longer waits, and a response that is not there within the window, are
// dropped; stale signals never pair with a later request or frame. False when the line was
// found gone, also while no caller asks.
bool serve_one_request(Library& lib) {
  if (!lib.rx_req_event.wait_for(kWaitSlice)) return !com_line_lost();
  const FrameRequest request{lib.wanted, lib.client_held};
  std::uint32_t frame_number = 0;
  while (frame_number == 0) {
    clear_rx_frame();
    const ReceivedFrame frame = receive_command_frame(request);
    if (com_line_lost()) return false;
    const std::uint32_t waiting = lib.wanted;
    if (!lib.client_held || waiting == 0) return true;
    if (frame.valid && frame.request == waiting) frame_number = waiting;
  }
  lib.rx_event.set(frame_number);
  std::this_thread::sleep_for(milliseconds(3));
  if (!lib.tx_event.wait_for_tag(frame_number, kWaitSlice)) return true;
  if (lib.client_held) send_response_frame();
  return !com_line_lost();
}

}  // namespace

void run_link_thread(Library& lib) {
  raise_priority();
  set_link_state(KLVNDRV_STATE_NOT_CONNECTED);
  lib.server_exist = true;
  bool line_lost = false;
  while (open_when_asked(lib, line_lost)) {
    while (lib.client_held && serve_one_request(lib)) {
    }
    if (!lib.client_held) break;
    // The line was lost. Back to waiting for an open request, as after a failed open: the
    // callers' steps fail instead of waiting on a dead port for ever, and the next init opens
    // the port again.
    drop_lost_line();
    line_lost = true;
  }
  close_com_port();
  lib.server_exist = false;
}

}  // namespace klvn
