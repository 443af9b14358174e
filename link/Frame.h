// The two 16-byte frames of the serial link: the gateway's command frame and our response.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace klvn {

inline constexpr std::size_t kFrameSize = 16;
inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;

using FrameBytes = std::array<std::uint8_t, kFrameSize>;

// What a valid command frame carries. The data digits are kept as received (either case).
struct CommandFields {
  char letter;
  std::uint8_t address;
  std::array<char, 8> data;
};

// Validates a command frame whose byte 0 is STX: byte 1 'P', byte 15 ETX, address, data and
// checksum all hex digits, and bytes 1-12 plus the checksum summing to 0 modulo 256.
std::optional<CommandFields> parse_command_frame(const FrameBytes& frame);

// The response frame for a letter and 8 upper-case data digits.
FrameBytes build_response_frame(char letter, const std::array<char, 8>& data);

// Reads `count` hex digits of either case; nullopt when one is not a hex digit.
std::optional<std::uint32_t> parse_hex(const char* digits, std::size_t count);

// Writes `value` as 8 upper-case hex digits, most significant first.
std::array<char, 8> format_hex8(std::uint32_t value);

}  // namespace klvn
