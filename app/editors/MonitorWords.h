#pragma once
#include <cstdint>

// The gateway words the run-status monitor reads, by 16-bit gateway word address.
namespace editors {

inline constexpr std::uint16_t kLinkStateWord = 0x8040;         // bit 0 fieldbus, bit 16 serial
inline constexpr std::uint16_t kAxisStatusWord = 0x9010;        // + axis: status, alarm, in, out
inline constexpr std::uint16_t kAlarmAddressWord = 0x7009;
inline constexpr std::uint16_t kPointNumberWord = 0xA000;       // + axis
inline constexpr std::uint16_t kActualPositionWord = 0x7400;    // pulses, signed
inline constexpr std::uint16_t kUnifiedPointNumberWord = 0x8011;  // byte 0
inline constexpr std::uint16_t kGroupLampWord = 0x8033;         // bit 16 + k PFIN, bit k no alarm
inline constexpr std::uint16_t kAlarmHistoryWord = 0x7001;      // + entry 0-7: code in byte 0
inline constexpr std::uint16_t kActuatorTypeWord = 0x0017;      // byte 0
inline constexpr std::uint16_t kScaleFactorWord = 0xFD46;       // byte 1 factor A, byte 2 B

inline constexpr std::uint32_t kFieldbusOnlineBit = 1u << 0;
inline constexpr std::uint32_t kSerialOnlineBit = 1u << 16;

inline constexpr int kHistoryEntries = 8;

}  // namespace editors
