#include "platform/LibraryBinder.h"

#include <dlfcn.h>

#include <cstdlib>

#include "platform/ProgramFolder.h"
#include "platform/UiServices.h"

namespace platform {

namespace {

constexpr const char* kLibraryFile = "libklvndrv.so";

[[noreturn]] void FailAndEnd(const std::string& what) {
  Ui().MessageBox(what, MsgButtons::Ok, MsgIcon::Critical, "");
  std::exit(EXIT_FAILURE);
}

void* Library() {
  static void* handle = [] {
    const std::string beside = ProgramFolder() + "/" + kLibraryFile;
    void* h = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (h == nullptr) h = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL);
    if (h == nullptr) {
      const char* err = dlerror();
      FailAndEnd(err != nullptr ? err : std::string("Cannot load ") + kLibraryFile);
    }
    return h;
  }();
  return handle;
}

}  // namespace

std::string UndecoratedName(std::string_view decorated) {
  if (!decorated.empty() && decorated.front() == '_') decorated.remove_prefix(1);
  const auto at = decorated.rfind('@');
  if (at != std::string_view::npos) decorated = decorated.substr(0, at);
  return std::string(decorated);
}

void* ResolveKlvn(std::string_view decorated) {
  void* lib = Library();
  const std::string name = UndecoratedName(decorated);
  dlerror();
  void* fn = dlsym(lib, name.c_str());
  if (fn == nullptr) {
    const char* err = dlerror();
    FailAndEnd(err != nullptr ? err : kLibraryFile + std::string(": ") + name + " not found");
  }
  return fn;
}

}  // namespace platform
