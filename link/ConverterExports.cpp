// Exports of the controller record converters: the C boundary over the record lines.
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "Contained.h"
#include "ParameterRecords.h"
#include "StepRecord.h"
#include "klvndrv.h"

using namespace klvn;

namespace {

static_assert(kStepImageWords == KLVNDRV_STEP_IMAGE_WORDS);

// Copies the line and its NUL into the caller's buffer; the line's length.
std::int32_t put_line(char* line, const std::string& text) {
  std::memcpy(line, text.c_str(), text.size() + 1);
  return static_cast<std::int32_t>(text.size());
}

template <class Write>
std::int32_t write_record(char* line, const uint32_t* image, std::size_t image_words,
                          Write write) {
  return contained([=] {
    if (!line || !image) return 0;
    return put_line(line, write(std::span<const std::uint32_t>(image, image_words)));
  });
}

template <class Parse>
std::int32_t parse_record(const char* line, uint32_t* image, std::size_t image_words,
                          Parse parse) {
  return contained([=] {
    if (!line || !image) return 0;
    return parse(std::string_view(line), std::span<std::uint32_t>(image, image_words)) ? 1 : 0;
  });
}

}  // namespace

extern "C" {

int32_t csv_mor_step(char* line, const uint32_t* image, int32_t word_index) {
  // An index the line cannot carry reads no words and gives the empty line.
  const auto words =
      static_cast<std::size_t>(is_step_word_index(word_index) ? word_index + kStepWords : 0);
  return write_record(line, image, words, [word_index](std::span<const std::uint32_t> step) {
    return step_line(step, word_index);
  });
}

int32_t bin_mor_step(const char* line, uint32_t* image) {
  return parse_record(line, image, kStepImageWords,
                      [](std::string_view text, std::span<std::uint32_t> words) {
                        return parse_step_line(text, words).has_value();
                      });
}

int32_t csv_mor_prm(char* line, const uint32_t* image) {
  return write_record(line, image, kPrmImageWords, prm_line);
}

int32_t bin_mor_prm(const char* line, uint32_t* image) {
  return parse_record(line, image, kPrmImageWords, parse_prm_line);
}

int32_t csv_morex_prm(char* line, const uint32_t* image) {
  return write_record(line, image, kExPrmImageWords, ex_prm_line);
}

int32_t bin_morex_prm(const char* line, uint32_t* image) {
  return parse_record(line, image, kExPrmImageWords, parse_ex_prm_line);
}

int32_t csv_mor35_prm(char* line, const uint32_t* image) {
  return write_record(line, image, kPrm35ImageWords, prm35_line);
}

int32_t bin_mor35_prm(const char* line, uint32_t* image) {
  return parse_record(line, image, kPrm35ImageWords, parse_prm35_line);
}

int32_t csv_mor77_prm(char* line, const uint32_t* image) {
  return write_record(line, image, kPrm77ImageWords, prm77_line);
}

int32_t bin_mor77_prm(const char* line, uint32_t* image) {
  return parse_record(line, image, kPrm77ImageWords, parse_prm77_line);
}

}  // extern "C"
