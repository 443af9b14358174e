#pragma once
#include <cstdint>
#include <span>

#include "ComEditFixture.h"
#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"

// Type codes with their units: one pulse a unit, degrees (0.45 a pulse), millimetres of a user
// type (0.008 a pulse) and of a catalogue model whose margin is 15 pulses.
inline constexpr int kPulseMotor = 0;
inline constexpr int kRotary = 1;
inline constexpr int kUserLinear = 0x15;
inline constexpr int kCatalogue = 0x2B;

// The single-point editor over the program's set-up: an axis of a chosen type with chosen soft
// limits, and one of its points to load and store.
class PosEditFixture : public ComEditFixture {
 protected:
  static constexpr std::int16_t kPoint = 3;

  // The axis of the type with the soft limits in both word pairs (rotary and linear).
  static void SetAxis(int code, std::int32_t forward, std::int32_t reverse,
                      std::int16_t axis = kAxis) {
    ComEditFixture::SetAxis(code, code == kUserLinear ? 4 : 1, axis);
    axisdata::AxisWords& w = Words(axis);
    w[axisdata::kFwdLimitWord] = w[axisdata::kRotaryFwdLimitWord] = forward;
    w[axisdata::kRvsLimitWord] = w[axisdata::kRotaryRvsLimitWord] = reverse;
  }

  static std::span<std::int32_t, axisdata::kBlockWords> Point(std::int16_t point = kPoint,
                                                              std::int16_t axis = kAxis) {
    return axisdata::PointValue(Words(axis), point);
  }
};
