// The command-frame validator against a plain reading of the wire format: 'P' at byte 1, ETX at
// byte 15, hex digits of either case in bytes 3-14, and bytes 1-12 plus the checksum summing to
// 0 modulo 256. A 17th input byte with its low bit set puts the right checksum in, so valid
// frames are common.
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "Frame.h"
#include "FuzzCheck.h"

namespace {

using klvn::FrameBytes;

unsigned HexDigit(std::uint8_t c) {
  return std::isdigit(c) ? c - '0' : static_cast<unsigned>(std::tolower(c) - 'a' + 10);
}

unsigned Hex(const FrameBytes& f, std::size_t at, std::size_t count) {
  unsigned value = 0;
  for (std::size_t i = at; i < at + count; ++i) value = value * 16 + HexDigit(f[i]);
  return value;
}

unsigned CoveredSum(const FrameBytes& f) {
  unsigned sum = 0;
  for (std::size_t i = 1; i <= 12; ++i) sum += f[i];
  return sum;
}

bool ReferenceValid(const FrameBytes& f) {
  if (f[1] != 'P' || f[15] != klvn::kEtx) return false;
  for (std::size_t i = 3; i <= 14; ++i) {
    if (!std::isxdigit(f[i])) return false;
  }
  return (CoveredSum(f) + Hex(f, 13, 2)) % 256 == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < klvn::kFrameSize) return 0;
  FrameBytes frame{};
  std::memcpy(frame.data(), data, frame.size());
  if (size > frame.size() && (data[frame.size()] & 1)) {
    const auto digits = klvn::format_hex8((256 - CoveredSum(frame) % 256) % 256);
    frame[13] = static_cast<std::uint8_t>(digits[6]);
    frame[14] = static_cast<std::uint8_t>(digits[7]);
  }

  const auto fields = klvn::parse_command_frame(frame);
  FUZZ_CHECK(fields.has_value() == ReferenceValid(frame));
  if (!fields) return 0;
  FUZZ_CHECK(fields->letter == static_cast<char>(frame[2]));
  FUZZ_CHECK(fields->address == Hex(frame, 3, 2));
  FUZZ_CHECK(std::memcmp(fields->data.data(), frame.data() + 5, 8) == 0);

  // The data digits read and written again give the same digits, in upper case.
  const auto value = klvn::parse_hex(fields->data.data(), fields->data.size());
  FUZZ_CHECK(value.has_value() && *value == Hex(frame, 5, 8));
  const auto again = klvn::format_hex8(*value);
  for (std::size_t i = 0; i < again.size(); ++i) {
    FUZZ_CHECK(again[i] == std::toupper(static_cast<unsigned char>(fields->data[i])));
  }
  return 0;
}
