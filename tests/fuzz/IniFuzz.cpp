// The INI reader and writer. Every key the text holds reads back through FindIniValue as the
// whole-text reading gives it; a write that is done reads back as written and leaves every
// other key as it was; one that is refused changes nothing; a second, equal write changes
// nothing more.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "shell/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const shell::IniValues before = shell::AllIniValues(text);
  for (const auto& [name, read] : before) {
    FUZZ_CHECK(shell::FindIniValue(text, name.first, name.second) == read);
  }

  const std::optional<std::string> written = shell::SetIniValue(text, section, key, value);
  if (!written) return 0;
  FUZZ_CHECK(shell::FindIniValue(*written, section, key) == value);
  const std::pair<std::string, std::string> target{shell::IniName(section), shell::IniName(key)};
  for (const auto& [name, read] : before) {
    if (name != target) FUZZ_CHECK(shell::FindIniValue(*written, name.first, name.second) == read);
  }
  FUZZ_CHECK(shell::AllIniValues(*written).size() == before.size() + !before.contains(target));
  FUZZ_CHECK(shell::SetIniValue(*written, section, key, value) == written);
  return 0;
}
