#pragma once
#include <array>
#include <cstdint>
#include <string>

// The run-status monitor's lamps: which of the three shades each shows, and the hint of each
// status lamp.
namespace editors {

enum class Shade {
  Set,    // bright green: set, normal, online
  Clear,  // dark green: clear, or no axis there
  Alarm,  // red: alarm, offline
};

inline constexpr int kBitLamps = 32;   // four bytes of an axis's status word
inline constexpr int kGroupLamps = 16; // one per axis

// Lamps first to first + 7 show bits 0 to 7 of byte.
std::array<Shade, 8> BitLampShades(std::uint8_t byte);

// Axis k has completed positioning when bit 16 + k is set; all 16 lamps follow their bits.
std::array<Shade, kGroupLamps> GroupPfinShades(std::uint32_t word);

// Axis k is free of alarm when bit k is set, in alarm when it is clear; axes from axisCount on
// are not there and stay dark.
std::array<Shade, kGroupLamps> GroupAlarmShades(std::uint32_t word, int axisCount);

// The name of the status-word bit that lamp 0-31 shows; empty for any other index.
std::string BitHint(int lamp);

}  // namespace editors
