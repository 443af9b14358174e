#include "GatewayFrames.h"

#include <cstdio>

namespace vuz::sim {

namespace {

unsigned byte_sum(std::string_view bytes) {
  unsigned sum = 0;
  for (char c : bytes) sum += static_cast<unsigned char>(c);
  return sum;
}

// Upper-case hex digits only, as the response must carry them.
std::optional<std::uint32_t> upper_hex(std::string_view digits) {
  std::uint32_t value = 0;
  for (char c : digits) {
    unsigned digit;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

std::string command_frame(const Command& command, HexCase hex_case) {
  const bool lower = hex_case == HexCase::Lower;
  char body[16];
  std::snprintf(body, sizeof body, lower ? "P%c%02x%08x" : "P%c%02X%08X", command.letter,
                command.address & 0xFFu, static_cast<unsigned>(command.data));
  const unsigned checksum = (0x100u - byte_sum(body) % 0x100u) % 0x100u;
  char tail[3];
  std::snprintf(tail, sizeof tail, lower ? "%02x" : "%02X", checksum);
  return std::string(1, kStx) + body + tail + kEtx;
}

ResponseCheck check_response_frame(std::string_view bytes) {
  ResponseCheck check{std::nullopt, {}, std::string(bytes)};
  auto fail = [&check](std::string why) {
    check.error = why + ": " + printable(check.bytes);
    return check;
  };
  if (bytes.size() != kFrameLength) return fail("not 16 bytes");
  if (bytes[0] != kStx) return fail("no STX");
  if (bytes[1] != 'U' || bytes[2] != 'P') return fail("bytes 1-2 are not 'UP'");
  if (bytes[4] != '0') return fail("byte 4 is not '0'");
  if (bytes[15] != kEtx) return fail("no ETX");
  const auto data = upper_hex(bytes.substr(5, 8));
  const auto checksum = upper_hex(bytes.substr(13, 2));
  if (!data || !checksum) return fail("not upper-case hex");
  if ((byte_sum(bytes.substr(1, 12)) + *checksum) % 0x100u != 0) return fail("wrong checksum");
  check.response = Response{bytes[3], *data};
  return check;
}

std::string printable(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "<%02x>", static_cast<unsigned char>(c));
      out += hex;
    }
  }
  return out;
}

}  // namespace vuz::sim
