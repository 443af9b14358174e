#include "platform/TextFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "resources/UiText.h"

namespace platform {

using resources::Msg;
using resources::Text;

namespace {

constexpr std::size_t kExcerptLength = 20;
// As the kernel limits chains of links.
constexpr int kMaxLinkHops = 40;

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write goes to: symbolic links followed to the name they point at, which need not
// exist yet.
std::optional<std::string> WriteTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char link[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), link, sizeof link);
    if (n < 0 || static_cast<size_t>(n) == sizeof link) return std::nullopt;
    const std::string points(link, static_cast<size_t>(n));
    path = points.front() == '/' ? points : FolderOf(path) + "/" + points;
  }
  errno = ELOOP;
  return std::nullopt;
}

// Desktop users take a file without write bits for read-only, and so does this program, also
// where the permission check would let root write it.
bool IsReadOnly(const std::string& path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

mode_t NewFileMode() {
  // The mode open() would give a new file; the mask is read back at once.
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Keeps errno of the failure that came first over the clean-up calls that follow it.
class FirstError {
 public:
  bool Check(bool ok) {
    if (!ok && error_ == 0) error_ = errno;
    return ok;
  }
  bool Failed() const { return error_ != 0; }
  void Restore() const { errno = error_; }

 private:
  int error_ = 0;
};

}  // namespace

ReadOutcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& text) {
  text.clear();
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  if (!S_ISREG(st.st_mode)) return ReadOutcome::NotAFile;
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return ReadOutcome::TooLarge;
  // Non-blocking and checked again once open: the name may have been swapped for a FIFO since.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  ReadOutcome outcome = ReadOutcome::Read;
  if (fstat(fd, &st) != 0) outcome = ReadOutcome::Failed;
  else if (!S_ISREG(st.st_mode)) outcome = ReadOutcome::NotAFile;
  char buf[4096];
  while (outcome == ReadOutcome::Read) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) outcome = ReadOutcome::Failed;
    if (n <= 0) break;
    text.append(buf, static_cast<size_t>(n));
    if (text.size() > maxBytes) outcome = ReadOutcome::TooLarge;  // it grew since the check
  }
  const int readError = errno;
  close(fd);
  if (outcome != ReadOutcome::Read) text.clear();
  errno = readError;
  return outcome;
}

std::string DescribeReadFailure(ReadOutcome outcome, std::size_t maxBytes) {
  switch (outcome) {
    case ReadOutcome::Read: return {};
    case ReadOutcome::Missing: return Text(Msg::FileMissing);
    case ReadOutcome::NotAFile: return Text(Msg::FileNotRegular);
    case ReadOutcome::TooLarge: return Text(Msg::FileTooLarge, {std::to_string(maxBytes)});
    case ReadOutcome::Failed: break;
  }
  return Text(Msg::FileUnreadable, {SystemErrorText(errno)});
}

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return Text(Msg::ErrPermission);
    case ENOENT: return Text(Msg::ErrNoSuchFile);
    case EISDIR: return Text(Msg::ErrIsFolder);
    case ENOTDIR: return Text(Msg::ErrNotFolder);
    case ENOSPC: return Text(Msg::ErrNoSpace);
    case EROFS: return Text(Msg::ErrReadOnlyFs);
    case ENAMETOOLONG: return Text(Msg::ErrNameTooLong);
    case ELOOP: return Text(Msg::ErrLinkLoop);
    case EIO: return Text(Msg::ErrIo);
    case EDQUOT: return Text(Msg::ErrQuota);
    default: return std::strerror(error);  // rare enough to stay in the system's words
  }
}

bool ReplaceTextFile(const std::string& path, std::string_view text) {
  const std::optional<std::string> target = WriteTarget(path);
  if (!target) return false;
  struct stat old {};
  const bool exists = stat(target->c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && !S_ISREG(old.st_mode)) {
    errno = S_ISDIR(old.st_mode) ? EISDIR : EPERM;
    return false;
  }
  if (exists && IsReadOnly(*target, old)) {
    errno = EACCES;
    return false;
  }
  // A short name, so a target name at the length limit still has room beside it.
  std::string temp = FolderOf(*target) + "/.vuzXXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  FirstError error;
  error.Check(fchmod(fd, exists ? (old.st_mode & 07777) : NewFileMode()) == 0) &&
      error.Check(WriteAll(fd, text)) && error.Check(fsync(fd) == 0);
  error.Check(close(fd) == 0);
  if (!error.Failed()) error.Check(rename(temp.c_str(), target->c_str()) == 0);
  if (error.Failed()) {
    unlink(temp.c_str());
    error.Restore();
    return false;
  }
  return true;
}

std::string MessageExcerpt(std::string_view value) {
  std::string excerpt(value.substr(0, kExcerptLength));
  for (char& c : excerpt) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E) c = '?';
  }
  if (value.size() > kExcerptLength) excerpt += "...";
  return excerpt;
}

std::optional<std::string> WriteTextFile(const std::string& path, std::string_view text) {
  if (ReplaceTextFile(path, text)) return std::nullopt;
  return Text(Msg::FileUnwritable, {path, SystemErrorText(errno)});
}

}  // namespace platform
