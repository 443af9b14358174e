// The ZEL reader: a failed parse leaves the words untouched and describes the failure in a
// short message; a successful one, written back in either form and read again, gives the same
// words.
#include <array>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "shell/SyncImage.h"

namespace {
constexpr std::size_t kMaxMessage = 120;
constexpr std::int32_t kUntouched = 0x5A5A5A5A;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::array<std::int32_t, shell::kZelWords> words;
  words.fill(kUntouched);
  if (const auto error = shell::ParseZelText(text, words)) {
    FUZZ_CHECK(error->size() <= kMaxMessage);
    for (const std::int32_t word : words) FUZZ_CHECK(word == kUntouched);
    return 0;
  }
  for (const bool quoted : {true, false}) {
    std::array<std::int32_t, shell::kZelWords> again{};
    FUZZ_CHECK(!shell::ParseZelText(shell::ZelText(words, quoted), again));
    FUZZ_CHECK(again == words);
  }
  return 0;
}
