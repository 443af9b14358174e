#include "StepRecord.h"

#include <cassert>

#include "RecordLine.h"

namespace klvn {

namespace {

// Two-bit codes on the line: code 0 'X', 1 '1', 2 '0', 3 '3'.
constexpr char kCodeChars[] = {'X', '1', '0', '3'};
constexpr int kCodes = 16;
constexpr int kLeadingCodes = 6;  // codes 1-6 of C and of D come before the rest

// The bit list names at most this many of word 0's bits 0-7.
constexpr int kListedBits = 5;
constexpr int kListableBits = 8;

constexpr std::uint32_t kLow16 = 0xFFFFu;
constexpr std::uint32_t kHigh16 = 0xFFFF0000u;

std::uint32_t code_of(char c) {
  switch (c) {
    case '1': return 1;
    case '0': return 2;
    case '3': return 3;
    default: return 0;
  }
}

void write_codes(LineWriter& out, std::uint32_t codes, int first, int last) {
  for (int k = first; k < last; ++k) out.character(kCodeChars[codes >> (2 * k) & 3]);
}

bool read_codes(LineReader& in, std::uint32_t& codes, int first, int last) {
  for (int k = first; k < last; ++k) {
    const auto c = in.character();
    if (!c) return false;
    codes |= code_of(*c) << (2 * k);
  }
  return true;
}

}  // namespace

bool is_step_word_index(std::int32_t word_index) {
  return word_index >= 0 && word_index <= static_cast<std::int32_t>(kStepImageWords) - kStepWords;
}

std::string step_line(std::span<const std::uint32_t> image, std::int32_t word_index) {
  if (!is_step_word_index(word_index)) return {};
  assert(image.size() >= static_cast<std::size_t>(word_index + kStepWords));
  const auto w = image.subspan(static_cast<std::size_t>(word_index), kStepWords);
  const std::uint32_t c = (w[0] & kHigh16) | (w[1] & kLow16);
  const std::uint32_t d = (w[1] & kHigh16) | (w[2] & kLow16);

  LineWriter out;
  out.decimal(static_cast<std::uint32_t>(word_index / kStepWords), 2);
  out.hex_digit(w[0] >> 8 & 0xF);
  int listed = 0;
  for (int bit = 0; bit < kListableBits && listed < kListedBits; ++bit) {
    if (w[0] >> bit & 1) {
      out.character(static_cast<char>('0' + bit));
      ++listed;
    }
  }
  for (; listed < kListedBits; ++listed) out.character('X');
  out.character(w[0] >> 12 & 1 ? '1' : '0');
  write_codes(out, c, 0, kLeadingCodes);
  out.decimal(w[2] >> 16, 5);
  write_codes(out, d, 0, kLeadingCodes);
  out.decimal(w[0] >> 13 & 7, 1);
  write_codes(out, c, kLeadingCodes, kCodes);
  write_codes(out, d, kLeadingCodes, kCodes);
  return out.line();
}

std::optional<std::int32_t> parse_step_line(std::string_view line, std::span<std::uint32_t> image) {
  assert(image.size() >= kStepImageWords);
  LineReader in(line);
  const auto step = in.two_or_three_digits();
  if (!step) return std::nullopt;
  const auto word_index = static_cast<std::int32_t>(*step) * kStepWords;
  const auto w = image.subspan(static_cast<std::size_t>(word_index), kStepWords);
  w[0] = w[1] = w[2] = 0;

  const auto block = in.hex_digit();
  if (!block) return std::nullopt;
  w[0] |= *block << 8;
  for (int slot = 0; slot < kListedBits; ++slot) {
    const auto c = in.character();
    if (!c) return std::nullopt;
    // Only bit numbers the list can hold: an 8 or 9 would land in the block number.
    if (*c >= '0' && *c < '0' + kListableBits) w[0] |= 1u << (*c - '0');
  }
  const auto flag = in.character();
  if (!flag) return std::nullopt;
  if (*flag == '1') w[0] |= 1u << 12;

  std::uint32_t c = 0, d = 0;
  if (!read_codes(in, c, 0, kLeadingCodes)) return std::nullopt;
  const auto word2_high = in.decimal(5);
  if (!word2_high) return std::nullopt;
  w[2] |= (*word2_high & kLow16) << 16;
  if (!read_codes(in, d, 0, kLeadingCodes)) return std::nullopt;
  const auto bits13to15 = in.digit_if_present();
  if (!bits13to15) return std::nullopt;
  w[0] |= (*bits13to15 & 7) << 13;
  if (!read_codes(in, c, kLeadingCodes, kCodes) || !read_codes(in, d, kLeadingCodes, kCodes))
    return std::nullopt;

  w[0] |= c & kHigh16;
  w[1] = (d & kHigh16) | (c & kLow16);
  w[2] |= d & kLow16;
  return word_index;
}

}  // namespace klvn
