// The controller record parsers, one record kind per input: the first byte picks the kind ('0'
// step, '1' prm, '2' ex prm, '3' 35 prm, '4' 77 prm, any other byte the same way by its value
// modulo 5), the rest is the line, in a buffer of exactly its length so a read past its end is
// caught. A parse writes no word outside its record. A line that parses, written back, fits the
// record's line buffer; that line parses over any other image to the same record words (the
// same step), and written again is the same line.
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "ParameterRecords.h"
#include "StepRecord.h"
#include "klvndrv.h"

namespace {

using Image = std::array<std::uint32_t, klvn::kStepImageWords>;
using Parse = std::optional<std::int32_t> (*)(std::string_view, std::span<std::uint32_t>);
using Write = std::string (*)(std::span<const std::uint32_t>, std::int32_t);

// A record: its parser giving its first word, its writer from that word, its words and the
// size of its line buffer.
struct Kind {
  Parse parse;
  Write write;
  std::size_t words;
  std::size_t line_size;
};

template <bool (*ParseRecord)(std::string_view, std::span<std::uint32_t>), std::int32_t First>
std::optional<std::int32_t> FixedParse(std::string_view line, std::span<std::uint32_t> image) {
  if (!ParseRecord(line, image)) return std::nullopt;
  return First;
}

template <std::string (*WriteRecord)(std::span<const std::uint32_t>)>
std::string FixedWrite(std::span<const std::uint32_t> image, std::int32_t) {
  return WriteRecord(image);
}

constexpr Kind kKinds[] = {
    {klvn::parse_step_line, klvn::step_line, klvn::kStepWords, KLVNDRV_STEP_LINE_SIZE},
    {FixedParse<klvn::parse_prm_line, 126>, FixedWrite<klvn::prm_line>, 2, KLVNDRV_PRM_LINE_SIZE},
    {FixedParse<klvn::parse_ex_prm_line, klvn::kExPrmFirstWord>, FixedWrite<klvn::ex_prm_line>,
     klvn::kExPrmWords, KLVNDRV_EXPRM_LINE_SIZE},
    {FixedParse<klvn::parse_prm35_line, 300>, FixedWrite<klvn::prm35_line>, 5,
     KLVNDRV_PRM35_LINE_SIZE},
    {FixedParse<klvn::parse_prm77_line, 768>, FixedWrite<klvn::prm77_line>, 5,
     KLVNDRV_PRM77_LINE_SIZE},
};
constexpr std::size_t kKindCount = std::size(kKinds);

constexpr std::uint32_t kFirstFill = 0x5A5A5A5A;
constexpr std::uint32_t kSecondFill = 0xA5A5A5A5;

// The line in a heap buffer of exactly its length: no NUL, no slack after it.
std::optional<std::int32_t> ParseExact(const Kind& kind, std::string_view line, Image& image) {
  const auto buffer = std::make_unique<char[]>(line.size());
  if (!line.empty()) std::memcpy(buffer.get(), line.data(), line.size());
  return kind.parse(std::string_view(buffer.get(), line.size()), image);
}

bool InRecord(const Kind& kind, std::int32_t first, std::size_t word) {
  return word >= static_cast<std::size_t>(first) && word < first + kind.words;
}

// Every word outside the record still holds the fill.
void CheckOnlyRecordWritten(const Kind& kind, std::int32_t first, const Image& image,
                            std::uint32_t fill) {
  for (std::size_t w = 0; w < image.size(); ++w) {
    if (!InRecord(kind, first, w)) FUZZ_CHECK(image[w] == fill);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Kind& kind = kKinds[(data[0] + kKindCount - '0' % kKindCount) % kKindCount];
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);

  static Image image, again;
  image.fill(kFirstFill);
  const std::optional<std::int32_t> first = ParseExact(kind, line, image);
  if (!first) return 0;
  FUZZ_CHECK(*first >= 0 && *first + kind.words <= image.size());
  CheckOnlyRecordWritten(kind, *first, image, kFirstFill);

  const std::string written = kind.write(image, *first);
  FUZZ_CHECK(!written.empty() && written.size() < kind.line_size);
  again.fill(kSecondFill);
  FUZZ_CHECK(ParseExact(kind, written, again) == first);
  CheckOnlyRecordWritten(kind, *first, again, kSecondFill);
  for (std::size_t w = *first; w < *first + kind.words; ++w) FUZZ_CHECK(again[w] == image[w]);
  FUZZ_CHECK(kind.write(again, *first) == written);
  return 0;
}
