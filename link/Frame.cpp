#include "Frame.h"

#include <algorithm>
#include <numeric>

namespace klvn {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Sum of bytes 1 to 12, the part of a frame that the checksum covers.
unsigned covered_sum(const FrameBytes& frame) {
  return std::accumulate(frame.begin() + 1, frame.begin() + 13, 0u);
}

}  // namespace

std::optional<std::uint32_t> parse_hex(const char* digits, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int v = hex_value(digits[i]);
    if (v < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(v);
  }
  return value;
}

std::array<char, 8> format_hex8(std::uint32_t value) {
  std::array<char, 8> out{};
  for (int i = 7; i >= 0; --i, value >>= 4) out[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
  return out;
}

std::optional<CommandFields> parse_command_frame(const FrameBytes& frame) {
  if (frame[1] != 'P' || frame[15] != kEtx) return std::nullopt;
  const auto* text = reinterpret_cast<const char*>(frame.data());
  const auto address = parse_hex(text + 3, 2);
  const auto data = parse_hex(text + 5, 8);
  const auto checksum = parse_hex(text + 13, 2);
  if (!address || !data || !checksum) return std::nullopt;
  if ((covered_sum(frame) + *checksum) % 256 != 0) return std::nullopt;
  CommandFields fields{static_cast<char>(frame[2]), static_cast<std::uint8_t>(*address), {}};
  std::copy(text + 5, text + 13, fields.data.begin());
  return fields;
}

FrameBytes build_response_frame(char letter, const std::array<char, 8>& data) {
  FrameBytes frame{};
  frame[0] = kStx;
  frame[1] = 'U';
  frame[2] = 'P';
  frame[3] = static_cast<std::uint8_t>(letter);
  frame[4] = '0';
  std::copy(data.begin(), data.end(), frame.begin() + 5);
  const unsigned checksum = (256 - covered_sum(frame) % 256) % 256;
  frame[13] = static_cast<std::uint8_t>(kHexDigits[checksum >> 4]);
  frame[14] = static_cast<std::uint8_t>(kHexDigits[checksum & 0xF]);
  frame[15] = kEtx;
  return frame;
}

}  // namespace klvn
