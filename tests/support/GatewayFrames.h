// The serial link's frames as the gateway sees them: it builds command frames and checks the
// response frames that come back. Written from the wire format alone, apart from the library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vuz::sim {

inline constexpr char kStx = '\x02';
inline constexpr char kEtx = '\x03';
inline constexpr std::size_t kFrameLength = 16;

enum class HexCase { Upper, Lower };

// A command from the gateway: letter, word address (0-255) and 32 data bits.
struct Command {
  char letter;
  unsigned address;
  std::uint32_t data;
};

// STX 'P' letter, 2 address digits, 8 data digits, 2 checksum digits, ETX.
std::string command_frame(const Command& command, HexCase hex_case = HexCase::Upper);

struct Response {
  char letter;
  std::uint32_t data;
};

// Either a well-formed response or what is wrong with the bytes.
struct ResponseCheck {
  std::optional<Response> response;
  std::string error;
  std::string bytes;  // as received
};

// STX 'U' 'P' letter '0', 8 upper-case data digits, 2 upper-case checksum digits, ETX, and
// bytes 1-12 plus the checksum summing to 0 modulo 256.
ResponseCheck check_response_frame(std::string_view bytes);

// Shows control and other unprintable bytes as <hh>, for failure messages.
std::string printable(std::string_view bytes);

}  // namespace vuz::sim
