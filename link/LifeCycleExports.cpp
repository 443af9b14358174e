// Exports of the link's life cycle and state.
#include <cstring>
#include <thread>

#include "CallerSide.h"
#include "Contained.h"
#include "Library.h"
#include "LinkBlock.h"
#include "PortOps.h"
#include "klvndrv.h"

using namespace klvn;

namespace {

constexpr int kTries = 51;
constexpr milliseconds kTryPause{100};

// A field of the link record for the state getters; 0 while not connected.
template <class Field>
std::int32_t connected_field(Field field) {
  return contained([field] {
    const Library& lib = library();
    if (lib.inert || !lib.connected) return std::int32_t{0};
    return with_link_block([field](const link_block& b) { return static_cast<std::int32_t>(field(b)); });
  });
}

bool wait_for_thread() {
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (connect_link()) return true;
    std::this_thread::sleep_for(kTryPause);
  }
  return false;
}

}  // namespace

extern "C" {

int32_t init_klvn_slave(const char* port_name) {
  return contained([port_name] {
    // A name that does not fit the record is refused before anything changes: cutting it short
    // would open some other device.
    if (!port_name || strnlen(port_name, sizeof link_block::port_name) == sizeof link_block::port_name)
      return KLVNDRV_FAILED;
    if (!wait_for_thread()) return KLVNDRV_FAILED;
    const LinkLock lock;
    if (!lock) return KLVNDRV_FAILED;
    if (link_state() == KLVNDRV_STATE_READY) return KLVNDRV_DONE;  // the port stays as it is
    with_link_block([port_name](link_block& b) { std::strcpy(b.port_name, port_name); });
    signal_open_request();
    for (int pause = 0; pause < kTries && link_state() != KLVNDRV_STATE_READY; ++pause)
      std::this_thread::sleep_for(kTryPause);
    return link_state() == KLVNDRV_STATE_READY ? KLVNDRV_DONE : KLVNDRV_FAILED;
  });
}

int32_t clear_klvn(void) {
  return contained([] {
    purge_com_port();
    return 1;
  });
}

int32_t close_klvn(void) {
  return contained([] {
    shutdown_link();
    return 1;
  });
}

int32_t get_klvn_state(void) {
  return connected_field([](const link_block& b) { return b.state; });
}

int32_t get_sio_error(void) {
  return connected_field([](const link_block& b) { return b.sio_error; });
}

int32_t get_com_errlog(void) {
  return connected_field([](const link_block& b) { return b.com_errlog; });
}

}  // extern "C"
