#include "platform/ProgramFolder.h"

#include <limits.h>
#include <unistd.h>

#include <string>

namespace platform {

namespace {
std::string& Override() {
  static std::string folder;
  return folder;
}
}  // namespace

std::string ProgramFolder() {
  if (!Override().empty()) return Override();
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

void SetProgramFolderForTesting(const std::string& folder) { Override() = folder; }

}  // namespace platform
