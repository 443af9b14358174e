#pragma once
#include <string>
#include <string_view>
#include <utility>

namespace shell {

// Reads and writes single keys of the program's INI file with the Windows profile semantics
// (see IniText.h). Every kind of absence reads as "ERROR".
class CIniFileAcc {
 public:
  static constexpr std::string_view kAbsent = "ERROR";
  static constexpr size_t kMaxValueLength = 254;

  // ININame starts as "vuzovid.ini" in the program's folder.
  CIniFileAcc();

  // The value, cut to kMaxValueLength bytes (never inside a UTF-8 character), or "ERROR" for a
  // missing file, section or key. RdStatus is false afterwards exactly when "ERROR" comes back.
  std::string Item(std::string_view section, std::string_view key);

  // Sets the key, creating the file or the section when missing. WrStatus tells whether the
  // file now holds it; a refused write (unreadable or read-only file, no folder, a line break in
  // the item, a text in which the write would not read back or would change another key)
  // leaves the file untouched.
  void Item(std::string_view section, std::string_view key, std::string_view value);

  const std::string& ININame() const { return ininame_; }
  void ININame(std::string path) { ininame_ = std::move(path); }

  bool RdStatus() const { return rdStatus_; }
  bool WrStatus() const { return wrStatus_; }

 private:
  std::string ininame_;
  bool rdStatus_ = true;
  bool wrStatus_ = true;
};

}  // namespace shell
