// The one record through which the link thread and the exported calls meet.
#pragma once

#include <cstdint>
#include <mutex>

namespace klvn {

struct link_block {
  char port_name[128];          // COM port to open, NUL-terminated
  std::int32_t state;           // link state 0-4
  std::int32_t sio_error;       // last port set-up error, 0 until one happens
  std::uint32_t com_errlog;     // error mask after the last failed read or write
  char received_data[9];        // data digits of the last accepted command frame, as received
  char response_data[9];        // data digits of the queued response, upper-case hex
  char received_letter;         // letter of the last accepted command frame
  char response_letter;         // letter of the queued response
  std::uint8_t received_address;
};

// Reached only through with_link_block().
extern link_block the_link_block;
extern std::mutex the_link_block_guard;

// Runs `use` on the record with its guard held; both threads reach the record only this way.
template <class Use>
auto with_link_block(Use&& use) {
  std::lock_guard lock(the_link_block_guard);
  return use(the_link_block);
}

std::int32_t link_state();
void set_link_state(std::int32_t state);

}  // namespace klvn
