#pragma once
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/KlvnImports.h"

// COM1 as a symbolic link, as a USB serial adapter's stable name is: the test points it at a
// gateway's device, or at nothing, as the adapter is pulled out and plugged in again.
class PortLink {
 public:
  explicit PortLink(std::string path) : path_(std::move(path)) {
    setenv("KLVNDRV_COM1", path_.c_str(), 1);
  }
  ~PortLink() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  PortLink(const PortLink&) = delete;
  PortLink& operator=(const PortLink&) = delete;

  void PointAt(const std::string& device) {
    std::filesystem::remove(path_);
    std::filesystem::create_symlink(device, path_);
  }
  void PointAtNothing() { PointAt(path_ + ".gone"); }

 private:
  std::string path_;
};

// The library notices a line that went away while idle within about 300 ms; true once it has.
inline bool AwaitLostLine() {
  constexpr int kLooks = 100;
  for (int look = 0; look < kLooks; ++look) {
    if (klvn::get_klvn_state() == KLVNDRV_STATE_OPEN_FAILED) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// The library's last port error: KLVNDRV_SIO_LINE_LOST after a lost line, until an open is tried.
// The program never asks for it, so the test binds it itself.
inline std::int32_t SioError() {
  static const auto get =
      reinterpret_cast<decltype(&::get_sio_error)>(platform::ResolveKlvn("_get_sio_error@0"));
  return get();
}
