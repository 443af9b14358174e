// The text of one controller record: fields in order, each but the first after a single comma.
// The writer builds a line field by field; the reader takes it apart the same way and never
// looks past the end of the line, so a short or broken line is a syntax error, never a wild read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klvn {

class LineWriter {
 public:
  // "%N.Nu": at least `min_digits` digits, zero-padded.
  void decimal(std::uint32_t value, int min_digits);
  // "%d".
  void signed_decimal(std::int32_t value);
  // "%1.1X" of a value 0-15.
  void hex_digit(std::uint32_t value);
  void character(char c);

  const std::string& line() const { return line_; }

 private:
  void next_field();

  std::string line_;
};

// Each read takes the next field: for every field but the first, a comma must come first. A read
// gives nullopt when that comma is missing, the line ends, or the field does not have its form.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : rest_(line) {}

  // Exactly `digits` decimal digits.
  std::optional<std::uint32_t> decimal(std::size_t digits);
  // Two decimal digits when a comma follows them, else three.
  std::optional<std::uint32_t> two_or_three_digits();
  // A decimal digit when the field starts with one, else 0 and nothing taken (an empty field).
  std::optional<std::uint32_t> digit_if_present();
  std::optional<std::uint32_t> hex_digit();
  // Any one character.
  std::optional<char> character();
  // An optional sign and decimal digits, within the range of a 32-bit signed word.
  std::optional<std::int32_t> signed_decimal();

 private:
  bool next_field();
  std::optional<char> peek(std::size_t offset) const;

  std::string_view rest_;
  bool first_ = true;
};

}  // namespace klvn
