#include "GatewayWords.h"

namespace vuz::sim {

void GatewayWords::set(unsigned address, std::uint32_t value) {
  const std::lock_guard lock(guard_);
  gateway_[address] = value;
}

void GatewayWords::set(unsigned axis, unsigned address, std::uint32_t value) {
  const std::lock_guard lock(guard_);
  axes_[{axis, address}] = value;
}

std::uint32_t GatewayWords::get(unsigned axis, unsigned address) const {
  const std::lock_guard lock(guard_);
  if (const auto own = axes_.find({axis, address}); own != axes_.end()) return own->second;
  if (const auto common = gateway_.find(address); common != gateway_.end()) return common->second;
  return 0;
}

void GatewayWords::book_read(unsigned axis, unsigned address) {
  const std::lock_guard lock(guard_);
  reads_.push_back({axis, address});
  if (reads_.size() > kKeptReads) reads_.pop_front();
}

std::vector<WordRead> GatewayWords::reads() const {
  const std::lock_guard lock(guard_);
  return {reads_.begin(), reads_.end()};
}

}  // namespace vuz::sim
