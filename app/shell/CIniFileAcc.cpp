#include "shell/CIniFileAcc.h"

#include <optional>

#include "platform/ProgramFolder.h"
#include "shell/IniText.h"
#include "platform/TextFile.h"

namespace shell {

using platform::ReadOutcome;
using platform::ReadTextFile;
using platform::ReplaceTextFile;

namespace {

// Far more than any settings file holds; a larger file is not read and not written.
constexpr size_t kMaxFileBytes = 1024 * 1024;

// Cuts at a character boundary so the result stays valid UTF-8.
std::string CutToLength(std::string value, size_t max) {
  if (value.size() <= max) return value;
  size_t n = max;
  while (n > 0 && (static_cast<unsigned char>(value[n]) & 0xC0) == 0x80) --n;
  value.resize(n);
  return value;
}

}  // namespace

CIniFileAcc::CIniFileAcc() : ininame_(platform::ProgramFolder() + "/vuzovid.ini") {}

std::string CIniFileAcc::Item(std::string_view section, std::string_view key) {
  std::string text;
  std::optional<std::string> value;
  if (ReadTextFile(ininame_, kMaxFileBytes, text) == ReadOutcome::Read) {
    value = FindIniValue(text, section, key);
  }
  std::string result = value ? CutToLength(std::move(*value), kMaxValueLength) : std::string(kAbsent);
  rdStatus_ = result != kAbsent;
  return result;
}

void CIniFileAcc::Item(std::string_view section, std::string_view key, std::string_view value) {
  std::string text;
  const ReadOutcome outcome = ReadTextFile(ininame_, kMaxFileBytes, text);
  std::optional<std::string> updated;
  if (outcome == ReadOutcome::Read || outcome == ReadOutcome::Missing) {
    updated = SetIniValue(text, section, key, value);
  }
  wrStatus_ = updated && ReplaceTextFile(ininame_, *updated);
}

}  // namespace shell
