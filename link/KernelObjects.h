// In-process stand-ins for the named kernel objects the link is built on, and the lock file that
// tells processes apart.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

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

// Marks across processes that a process uses the library: an exclusive flock on a lock file,
// held from load to shutdown. The file is $KLVNDRV_LOCK_FILE, else under $XDG_RUNTIME_DIR, else
// under /tmp with the user id in its name.
class ClientExistLock {
 public:
  // True when this process now holds the lock; false when another process holds it. A lock file
  // that cannot be created at all does not make the library useless: true then, too.
  bool acquire();
  void release();

  static std::string path();

 private:
  int fd_ = -1;
};

}  // namespace klvn
