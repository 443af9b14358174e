// Records whose fields are bit fields of image words, described by a table: the parameter
// records. One table drives both the writer and the parser, so the two cannot disagree.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klvn {

enum class FieldForm {
  TwoDigits,         // "%2.2u"; a value above 99 is written as 99, so later fields keep their place
  TwoOrThreeDigits,  // "%2.2u" of a byte: two or three digits
  Digit,             // "%1.1u" of a field of at most 3 bits
  HexDigit,          // "%1.1X" of a field of at most 4 bits
};

struct BitField {
  std::size_t word;
  unsigned shift;
  unsigned width;
  FieldForm form;
};

// One past the highest word the fields use.
constexpr std::size_t image_words_used(std::span<const BitField> fields) {
  std::size_t words = 0;
  for (const BitField& field : fields) words = field.word + 1 > words ? field.word + 1 : words;
  return words;
}

// The line of the fields, in table order. `image` holds image_words_used(fields) words.
std::string write_bit_fields(std::span<const BitField> fields,
                             std::span<const std::uint32_t> image);

// Reads the fields in table order. Each value is masked to its field's width; the first field of
// a word sets the word afresh, later ones add to it, so bits no field carries come back 0. False
// at the first syntax error, with the fields read so far stored.
bool parse_bit_fields(std::span<const BitField> fields, std::string_view line,
                      std::span<std::uint32_t> image);

}  // namespace klvn
