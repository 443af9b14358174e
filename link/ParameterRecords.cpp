#include "ParameterRecords.h"

#include <array>
#include <cassert>

#include "BitFieldRecord.h"
#include "RecordLine.h"

namespace klvn {

namespace {

using enum FieldForm;

constexpr BitField kPrmFields[] = {
    {126, 11, 5, TwoDigits}, {126, 6, 5, TwoDigits}, {126, 1, 5, TwoDigits},
    {126, 27, 5, TwoDigits}, {126, 22, 5, TwoDigits}, {126, 17, 5, TwoDigits},
    {127, 11, 5, TwoDigits}, {127, 6, 5, TwoDigits}, {127, 3, 3, Digit},
    {127, 0, 2, Digit},      {126, 0, 1, HexDigit},  {127, 2, 1, HexDigit},
};

// The byte records: four words of four bytes, each word's bytes in this order of their lowest
// bit, then fields of a flag word. The 35 record carries the first six flag fields, the 77
// record all ten. The 4-bit field is one hex digit, so its values 10-15 keep the line's layout.
constexpr unsigned kByteShifts[] = {8, 0, 24, 16};
constexpr std::size_t kByteWords = 4;
constexpr std::size_t kByteFields = kByteWords * std::size(kByteShifts);

struct FlagField {
  unsigned shift;
  unsigned width;
  FieldForm form;
};
constexpr FlagField kFlagFields[] = {
    {12, 4, HexDigit}, {1, 3, Digit},     {0, 1, HexDigit}, {5, 1, HexDigit}, {4, 1, HexDigit},
    {6, 1, HexDigit},  {10, 2, Digit},    {7, 1, HexDigit}, {8, 1, HexDigit}, {9, 1, HexDigit},
};

template <std::size_t FlagCount>
constexpr auto byte_record(std::size_t first_word, FieldForm byte_form) {
  std::array<BitField, kByteFields + FlagCount> fields{};
  std::size_t n = 0;
  for (std::size_t w = 0; w < kByteWords; ++w)
    for (unsigned shift : kByteShifts) fields[n++] = {first_word + w, shift, 8, byte_form};
  for (std::size_t f = 0; f < FlagCount; ++f)
    fields[n++] = {first_word + kByteWords, kFlagFields[f].shift, kFlagFields[f].width,
                   kFlagFields[f].form};
  return fields;
}

constexpr auto kPrm35Fields = byte_record<6>(300, TwoDigits);
constexpr auto kPrm77Fields = byte_record<10>(768, TwoOrThreeDigits);

static_assert(image_words_used(kPrmFields) == kPrmImageWords);
static_assert(image_words_used(kPrm35Fields) == kPrm35ImageWords);
static_assert(image_words_used(kPrm77Fields) == kPrm77ImageWords);

// The ex prm words travel with their two 16-bit halves exchanged.
std::uint32_t swap_halfwords(std::uint32_t word) { return word << 16 | word >> 16; }

}  // namespace

std::string prm_line(std::span<const std::uint32_t> image) {
  return write_bit_fields(kPrmFields, image);
}

bool parse_prm_line(std::string_view line, std::span<std::uint32_t> image) {
  return parse_bit_fields(kPrmFields, line, image);
}

std::string prm35_line(std::span<const std::uint32_t> image) {
  return write_bit_fields(kPrm35Fields, image);
}

bool parse_prm35_line(std::string_view line, std::span<std::uint32_t> image) {
  return parse_bit_fields(kPrm35Fields, line, image);
}

std::string prm77_line(std::span<const std::uint32_t> image) {
  return write_bit_fields(kPrm77Fields, image);
}

bool parse_prm77_line(std::string_view line, std::span<std::uint32_t> image) {
  return parse_bit_fields(kPrm77Fields, line, image);
}

std::string ex_prm_line(std::span<const std::uint32_t> image) {
  assert(image.size() >= kExPrmImageWords);
  LineWriter out;
  for (std::uint32_t word : image.subspan(kExPrmFirstWord, kExPrmWords))
    out.signed_decimal(static_cast<std::int32_t>(swap_halfwords(word)));
  return out.line();
}

bool parse_ex_prm_line(std::string_view line, std::span<std::uint32_t> image) {
  assert(image.size() >= kExPrmImageWords);
  LineReader in(line);
  for (std::uint32_t& word : image.subspan(kExPrmFirstWord, kExPrmWords)) {
    const auto value = in.signed_decimal();
    if (!value) return false;
    word = swap_halfwords(static_cast<std::uint32_t>(*value));
  }
  return true;
}

}  // namespace klvn
