#include "KernelObjects.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

std::string ClientExistLock::path() {
  if (const char* file = std::getenv("KLVNDRV_LOCK_FILE"); file && *file) return file;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    return std::string(runtime) + "/VUVI_DOV_ClientExist.lock";
  return "/tmp/VUVI_DOV_ClientExist-" + std::to_string(getuid()) + ".lock";
}

bool ClientExistLock::acquire() {
  fd_ = ::open(path().c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd_ < 0) return true;
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
  const bool held_elsewhere = errno == EWOULDBLOCK;
  release();
  return !held_elsewhere;
}

void ClientExistLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace klvn
