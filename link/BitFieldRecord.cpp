#include "BitFieldRecord.h"

#include <algorithm>
#include <cassert>
#include <optional>

#include "RecordLine.h"

namespace klvn {

namespace {

constexpr std::uint32_t kLargestTwoDigits = 99;

constexpr std::uint32_t mask(unsigned width) { return (std::uint32_t{1} << width) - 1; }

std::uint32_t field_value(const BitField& field, std::span<const std::uint32_t> image) {
  return image[field.word] >> field.shift & mask(field.width);
}

void write_field(LineWriter& out, const BitField& field, std::uint32_t value) {
  switch (field.form) {
    case FieldForm::TwoDigits: out.decimal(std::min(value, kLargestTwoDigits), 2); break;
    case FieldForm::TwoOrThreeDigits: out.decimal(value, 2); break;
    case FieldForm::Digit: out.decimal(value, 1); break;
    case FieldForm::HexDigit: out.hex_digit(value); break;
  }
}

std::optional<std::uint32_t> read_field(LineReader& in, const BitField& field) {
  switch (field.form) {
    case FieldForm::TwoDigits: return in.decimal(2);
    case FieldForm::TwoOrThreeDigits: return in.two_or_three_digits();
    case FieldForm::Digit: return in.decimal(1);
    case FieldForm::HexDigit: return in.hex_digit();
  }
  return std::nullopt;
}

}  // namespace

std::string write_bit_fields(std::span<const BitField> fields,
                             std::span<const std::uint32_t> image) {
  assert(image.size() >= image_words_used(fields));
  LineWriter out;
  for (const BitField& field : fields) write_field(out, field, field_value(field, image));
  return out.line();
}

bool parse_bit_fields(std::span<const BitField> fields, std::string_view line,
                      std::span<std::uint32_t> image) {
  assert(image.size() >= image_words_used(fields));
  LineReader in(line);
  for (auto it = fields.begin(); it != fields.end(); ++it) {
    const auto value = read_field(in, *it);
    if (!value) return false;
    const bool first_of_word = std::none_of(fields.begin(), it, [&](const BitField& earlier) {
      return earlier.word == it->word;
    });
    const std::uint32_t bits = (*value & mask(it->width)) << it->shift;
    image[it->word] = first_of_word ? bits : image[it->word] | bits;
  }
  return true;
}

}  // namespace klvn
