#include "CallerSide.h"

#include <algorithm>

#include "LinkBlock.h"
#include "Library.h"
#include "klvndrv.h"

namespace klvn {

namespace {
constexpr milliseconds kCallWait{300};
}

bool connect_link() {
  Library& lib = library();
  if (lib.inert) return false;
  if (lib.connected) return true;
  if (!lib.server_exist) return false;
  lib.connected = true;
  return true;
}

bool is_link_ready() {
  const Library& lib = library();
  return !lib.inert && lib.connected && lib.client_held && link_state() == KLVNDRV_STATE_READY;
}

LinkLock::LinkLock()
    : held_(library().client_held && library().resaurce.try_lock_for(kCallWait)) {}

LinkLock::~LinkLock() {
  if (held_) library().resaurce.unlock();
}

void signal_open_request() { library().init_event.set(); }

std::optional<CommandFields> request_command_frame() {
  Library& lib = library();
  if (++lib.last_request == 0) ++lib.last_request;
  const std::uint32_t request = lib.last_request;
  lib.wanted = request;
  lib.rx_req_event.set();
  const bool arrived = lib.rx_event.wait_for_tag(request, kCallWait);
  lib.wanted = 0;
  lib.answered_frame = arrived ? request : 0;
  if (!arrived) return std::nullopt;
  return with_link_block([](const link_block& b) {
    CommandFields frame{b.received_letter, b.received_address, {}};
    std::copy_n(b.received_data, 8, frame.data.begin());
    return frame;
  });
}

void signal_response_ready() {
  Library& lib = library();
  lib.tx_event.set(lib.answered_frame);
}

}  // namespace klvn
