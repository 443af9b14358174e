// In-process stand-ins for the named kernel objects the link is built on.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace klvn {

using std::chrono::milliseconds;

// An auto-reset event: set() leaves it signalled until one wait consumes it. A signal carries a
// tag (a request or frame number) so a waiter can tell a stale signal from the one it wants.
class AutoResetEvent {
 public:
  void set(std::uint32_t tag = 0);
  // Consumes any signal; false when none came within `limit`.
  bool wait_for(milliseconds limit);
  // Consumes signals until one carries `tag`; others are stale and dropped. False after `limit`.
  bool wait_for_tag(std::uint32_t tag, milliseconds limit);

 private:
  bool wait(milliseconds limit, const std::uint32_t* wanted_tag);

  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;
  std::uint32_t tag_ = 0;
};

// A mutex taken with a time limit.
class TimedLock {
 public:
  bool try_lock_for(milliseconds limit);
  void unlock();

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool held_ = false;
};

}  // namespace klvn
