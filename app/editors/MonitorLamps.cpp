#include "editors/MonitorLamps.h"

namespace editors {

namespace {

Shade SetOrClear(bool set) { return set ? Shade::Set : Shade::Clear; }

bool Bit(std::uint32_t word, int bit) { return (word >> bit & 1u) != 0; }

// Lamp order: byte 3 (status), byte 2 (alarm code), byte 1 (inputs), byte 0 (outputs).
constexpr const char* kHints[kBitLamps] = {
    "Main Power on", "Servo on", "RUN", "ZFIN", "Command buffered", "Stroke limit(+)",
    "Stroke limit(-)", "Rejection of command",
    "ALRM bit0", "ALRM bit1", "ALRM bit2", "ALRM bit3", "ALRM bit4", "ALRM bit5", "ALRM bit6",
    "ALRM bit7",
    "PC1", "PC2", "PC4", "P8", "CSTR", "*INH+", "*INH-", "*ILK",
    "PM1", "PM2", "PM4", "PM8", "PFIN/INP", "ZFIN", "ZONE", "*ALM",
};

}  // namespace

std::array<Shade, 8> BitLampShades(std::uint8_t byte) {
  std::array<Shade, 8> shades{};
  for (int j = 0; j < 8; ++j) shades[j] = SetOrClear(Bit(byte, j));
  return shades;
}

std::array<Shade, kGroupLamps> GroupPfinShades(std::uint32_t word) {
  std::array<Shade, kGroupLamps> shades{};
  for (int k = 0; k < kGroupLamps; ++k) shades[k] = SetOrClear(Bit(word, 16 + k));
  return shades;
}

std::array<Shade, kGroupLamps> GroupAlarmShades(std::uint32_t word, int axisCount) {
  std::array<Shade, kGroupLamps> shades{};
  for (int k = 0; k < kGroupLamps; ++k) {
    if (k >= axisCount) shades[k] = Shade::Clear;
    else shades[k] = Bit(word, k) ? Shade::Set : Shade::Alarm;
  }
  return shades;
}

std::string BitHint(int lamp) { return lamp >= 0 && lamp < kBitLamps ? kHints[lamp] : ""; }

}  // namespace editors
