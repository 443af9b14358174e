// The lock file that tells processes apart: "VUVI_DOV_ClientExist" across processes.
#pragma once

#include <string>

namespace klvn {

// Marks across processes that a process uses the library: an exclusive flock on a lock file,
// held from load to shutdown. The lock file is $KLVNDRV_LOCK_FILE when that is set. Else it lies
// where only this user can write: in $XDG_RUNTIME_DIR when that is a folder of the user's own
// that nobody else may write to, else in the folder klvndrv-<uid> under the temporary folder
// ($TMPDIR, else /tmp), made with mode 0700 when missing and used only when it is the user's
// own in the same way. A place that cannot be used (missing, another user's, writable by others,
// a symbolic link, or its lock file not the user's own) hands over to the next.
class ClientExistLock {
 public:
  // True when this process now holds the lock. False when another process holds it, and when no
  // place for the lock file can be used: this process could not tell whether another one uses
  // the library, and two working links on one port must not be.
  bool acquire();
  void release();

  // The lock file held; empty while none is.
  const std::string& path() const { return path_; }

 private:
  enum class Outcome { Held, HeldElsewhere, Unusable };

  // Takes the lock file `name` opened relative to the folder descriptor `folder`.
  Outcome take(int folder, const std::string& name, const std::string& path);
  Outcome take_in_own_folder(const std::string& folder);

  int fd_ = -1;
  std::string path_;
};

}  // namespace klvn
