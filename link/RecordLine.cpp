#include "RecordLine.h"

#include <charconv>
#include <limits>

namespace klvn {

namespace {

constexpr char kSeparator = ',';
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_value(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void LineWriter::next_field() {
  if (!line_.empty()) line_ += kSeparator;
}

void LineWriter::decimal(std::uint32_t value, int min_digits) {
  next_field();
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto count = static_cast<int>(end - digits);
  if (count < min_digits) line_.append(static_cast<std::size_t>(min_digits - count), '0');
  line_.append(digits, end);
}

void LineWriter::signed_decimal(std::int32_t value) {
  next_field();
  char digits[16];
  line_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void LineWriter::hex_digit(std::uint32_t value) {
  next_field();
  line_ += kHexDigits[value & 0xF];
}

void LineWriter::character(char c) {
  next_field();
  line_ += c;
}

bool LineReader::next_field() {
  if (first_) {
    first_ = false;
    return true;
  }
  if (rest_.empty() || rest_.front() != kSeparator) return false;
  rest_.remove_prefix(1);
  return true;
}

std::optional<char> LineReader::peek(std::size_t offset) const {
  if (offset >= rest_.size()) return std::nullopt;
  return rest_[offset];
}

std::optional<std::uint32_t> LineReader::decimal(std::size_t digits) {
  if (!next_field() || rest_.size() < digits) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    if (!is_digit(rest_[i])) return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(rest_[i] - '0');
  }
  rest_.remove_prefix(digits);
  return value;
}

std::optional<std::uint32_t> LineReader::two_or_three_digits() {
  // Looks ahead from where this field's text starts, past its own comma.
  const std::size_t start = first_ ? 0 : 1;
  const bool two = peek(start + 2) == kSeparator;
  return decimal(two ? 2 : 3);
}

std::optional<std::uint32_t> LineReader::digit_if_present() {
  if (!next_field()) return std::nullopt;
  if (rest_.empty() || !is_digit(rest_.front())) return 0u;
  const auto value = static_cast<std::uint32_t>(rest_.front() - '0');
  rest_.remove_prefix(1);
  return value;
}

std::optional<std::uint32_t> LineReader::hex_digit() {
  if (!next_field() || rest_.empty()) return std::nullopt;
  const int value = hex_value(rest_.front());
  if (value < 0) return std::nullopt;
  rest_.remove_prefix(1);
  return static_cast<std::uint32_t>(value);
}

std::optional<char> LineReader::character() {
  if (!next_field() || rest_.empty()) return std::nullopt;
  const char c = rest_.front();
  rest_.remove_prefix(1);
  return c;
}

std::optional<std::int32_t> LineReader::signed_decimal() {
  if (!next_field()) return std::nullopt;
  std::size_t i = 0;
  const bool negative = peek(0) == '-';
  if (negative || peek(0) == '+') ++i;
  // Magnitudes are checked digit by digit, so a long run of digits cannot overflow.
  const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                      : std::int64_t{std::numeric_limits<std::int32_t>::max()};
  std::int64_t magnitude = 0;
  const std::size_t first_digit = i;
  for (; i < rest_.size() && is_digit(rest_[i]); ++i) {
    magnitude = magnitude * 10 + (rest_[i] - '0');
    if (magnitude > limit) return std::nullopt;
  }
  if (i == first_digit) return std::nullopt;
  rest_.remove_prefix(i);
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace klvn
