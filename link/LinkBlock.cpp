#include "LinkBlock.h"

#include <type_traits>

namespace klvn {

// Plain static objects: nothing to destroy at exit while the link thread may still use them.
static_assert(std::is_trivially_destructible_v<std::mutex>);
link_block the_link_block{};
std::mutex the_link_block_guard;

std::int32_t link_state() {
  return with_link_block([](const link_block& b) { return b.state; });
}

void set_link_state(std::int32_t state) {
  with_link_block([state](link_block& b) { b.state = state; });
}

}  // namespace klvn
