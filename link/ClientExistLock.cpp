#include "ClientExistLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace klvn {

namespace {

constexpr const char* kLockName = "VUVI_DOV_ClientExist.lock";

// The user's own, and nobody else may write to it.
bool owned_privately(const struct stat& st) {
  return st.st_uid == geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A descriptor of the folder when it is one of the user's own that nobody else may write to, and
// no symbolic link; else -1. Checked on the open descriptor, so it cannot change in between.
int open_own_folder(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && owned_privately(st)) return fd;
  ::close(fd);
  return -1;
}

std::string temporary_folder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && tmp[0] == '/' ? tmp : "/tmp";
}

}  // namespace

ClientExistLock::Outcome ClientExistLock::take(int folder, const std::string& name,
                                               const std::string& path) {
  const int fd = ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return Outcome::Unusable;
  // Another user's lock file is never used: whoever owns it could hold it for ever.
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    ::close(fd);
    return Outcome::Unusable;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const Outcome outcome = errno == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unusable;
    ::close(fd);
    return outcome;
  }
  fd_ = fd;
  path_ = path;
  return Outcome::Held;
}

ClientExistLock::Outcome ClientExistLock::take_in_own_folder(const std::string& folder) {
  const int fd = open_own_folder(folder);
  if (fd < 0) return Outcome::Unusable;
  const Outcome outcome = take(fd, kLockName, folder + "/" + kLockName);
  ::close(fd);
  return outcome;
}

bool ClientExistLock::acquire() {
  if (const char* file = std::getenv("KLVNDRV_LOCK_FILE"); file && *file)
    return take(AT_FDCWD, file, file) == Outcome::Held;  // the one place asked for
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    const Outcome outcome = take_in_own_folder(runtime);
    if (outcome != Outcome::Unusable) return outcome == Outcome::Held;
  }
  const std::string own = temporary_folder() + "/klvndrv-" + std::to_string(geteuid());
  ::mkdir(own.c_str(), 0700);  // one that is there already is checked like any other
  return take_in_own_folder(own) == Outcome::Held;
}

void ClientExistLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
}

}  // namespace klvn
