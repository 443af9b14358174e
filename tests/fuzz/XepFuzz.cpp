// The XEP reader: a failed parse leaves the words untouched; a successful one never touches word
// 1680, and its words, written back and read again over other words, come back the same.
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "axisdata/FileInput.h"

namespace {
constexpr std::int32_t kUntouched = 0x5A5A5A5A;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace axisdata;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ExtPointWords words;
  words.fill(kUntouched);
  if (!ParseXepText(text, words)) {
    for (const std::int32_t word : words) FUZZ_CHECK(word == kUntouched);
    return 0;
  }
  FUZZ_CHECK(words[kExtPointCarried] == kUntouched);
  ExtPointWords again;
  for (int i = 0; i < kExtPointWords; ++i) again[i] = ~words[i];
  FUZZ_CHECK(ParseXepText(XepText(words), again));
  for (int i = 0; i < kExtPointWords; ++i) {
    FUZZ_CHECK(again[i] == (i < kExtPointCarried ? words[i] : ~words[i]));
  }
  return 0;
}
