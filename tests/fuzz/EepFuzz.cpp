// The EEP reader: a failed parse leaves the words untouched; a successful one changes no word
// outside the file's blocks, and its words, written back and read again over other words, come
// back the same.
#include <cstdint>
#include <ctime>
#include <string_view>

#include "FuzzCheck.h"
#include "axisdata/FileInput.h"

namespace {

using axisdata::AxisWords;

constexpr std::int32_t kUntouched = 0x5A5A5A5A;
constexpr std::time_t kWritten = 0;

// Whether the file carries the word: the common block, the base points and the expansion word.
bool InFile(int word) {
  using namespace axisdata;
  return word < kFirstPointWord + kBasePoints * kPointBlockWords || word == kExpansionWord;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  AxisWords words;
  words.fill(kUntouched);
  if (!axisdata::ParseEepText(text, words)) {
    for (const std::int32_t word : words) FUZZ_CHECK(word == kUntouched);
    return 0;
  }
  AxisWords again;
  for (int i = 0; i < axisdata::kAxisWords; ++i) {
    if (!InFile(i)) FUZZ_CHECK(words[i] == kUntouched);
    again[i] = ~words[i];
  }
  FUZZ_CHECK(axisdata::ParseEepText(axisdata::EepText(words, kWritten), again));
  for (int i = 0; i < axisdata::kAxisWords; ++i) {
    FUZZ_CHECK(again[i] == (InFile(i) ? words[i] : ~words[i]));
  }
  return 0;
}
