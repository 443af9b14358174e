#include "KernelObjects.h"

namespace klvn {

void AutoResetEvent::set(std::uint32_t tag) {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
    tag_ = tag;
  }
  changed_.notify_one();
}

bool AutoResetEvent::wait(milliseconds limit, const std::uint32_t* wanted_tag) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  std::unique_lock lock(mutex_);
  while (changed_.wait_until(lock, deadline, [this] { return signalled_; })) {
    signalled_ = false;
    if (!wanted_tag || tag_ == *wanted_tag) return true;
  }
  return false;
}

bool AutoResetEvent::wait_for(milliseconds limit) { return wait(limit, nullptr); }

bool AutoResetEvent::wait_for_tag(std::uint32_t tag, milliseconds limit) {
  return wait(limit, &tag);
}

bool TimedLock::try_lock_for(milliseconds limit) {
  std::unique_lock lock(mutex_);
  if (!released_.wait_for(lock, limit, [this] { return !held_; })) return false;
  held_ = true;
  return true;
}

void TimedLock::unlock() {
  {
    std::lock_guard lock(mutex_);
    held_ = false;
  }
  released_.notify_one();
}

}  // namespace klvn
