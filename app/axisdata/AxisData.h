#pragma once
#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <type_traits>

// The per-axis image: for every axis its common block, its 16 base points and its expansion
// word, as the gateway keeps them. Each block is a run of 32 address words followed by a run of
// 32 value words; only the values mean anything, the addresses are file-line prefixes.
namespace axisdata {

inline constexpr int kAxisSlots = 17;     // axes 0-16 (at most 0-15 are in use)
inline constexpr int kAxisWords = 1153;   // words of one axis
inline constexpr int kBlockWords = 32;    // address or value words of one block
inline constexpr int kBasePoints = 16;    // points of page 0
inline constexpr int kCommonAddrWord = 0;
inline constexpr int kCommonValueWord = 32;
inline constexpr int kFirstPointWord = 64;  // point p's address words start at 64 + 64p
inline constexpr int kPointBlockWords = 64;
inline constexpr int kExpansionWord = 1152;  // expansion byte in bits 24-31

using AxisWords = std::array<std::int32_t, kAxisWords>;

// All axes, words of one axis side by side (a transfer hands the library a block's first word).
extern std::array<AxisWords, kAxisSlots> AxisData;

// Set by an editor that changed the axis's words; cleared by a save (AxisUnsaved) and by a
// transfer (AxisUnsent).
extern std::array<bool, kAxisSlots> AxisUnsaved;
extern std::array<bool, kAxisSlots> AxisUnsent;

// Common-block words of an axis by their meaning (indices into AxisWords).
enum CommonWord : int {
  kRotaryRvsLimitWord = 32,  // soft limits of a rotary axis, pulses
  kRotaryFwdLimitWord = 33,
  kRvsLimitWord = 34,  // soft limits otherwise; forward is the lower end of the range
  kFwdLimitWord = 35,
  kRvsZoneWord = 36,  // zone boundaries, pulses, forward the lower one
  kFwdZoneWord = 37,
  kHomeModeWord = 38,   // 0, 5, 6, 7 or 8
  kAxisFlagsWord = 40,  // bit 3: interlock enabled
  kHomeSpeedWord = 42,  // speed code (0.2 r/min)
  kHomeAccWord = 43,    // acceleration code (0.1 r/min/ms)
  kOptionWord = 54,     // 128: absolute-encoder variant
  kTypeCodeWord = 55,   // actuator type code, indexes the actuator tables
  kHomeCurrentWord = 57,
};

// Value words of a point record by their meaning (k in PointValue; 2 and 14-31 are carried
// unchanged).
enum PointField : int {
  kPCMD = 0,   // target position or move amount, pulses
  kFLGP = 1,   // flag byte
  kINP = 3,    // in-position width or push amount, pulses
  kVCMD = 4,   // speed code (0.2 r/min)
  kACMD = 5,   // acceleration code (0.1 r/min/ms)
  kSPOW = 6,   // stop current
  kDPOW = 7,   // drive current
  kPLG0 = 8,   // servo gain number
  kMXAC = 9,   // mode flags
  kSMOD = 10,
  kSTIM = 11,  // 0.01 s
  kPSTW = 12,  // 0.01 s
  kPVLM = 13,  // 3.2 r/min
};

// Named views of one axis's words; `words` is AxisData[axis] or a copy of it. Const words give
// read-only views.
template <class Words>
concept AxisWordsType = std::is_same_v<std::remove_const_t<Words>, AxisWords>;

template <AxisWordsType Words>
auto CommonAddr(Words& words) {
  return std::span(words).template subspan<kCommonAddrWord, kBlockWords>();
}

template <AxisWordsType Words>
auto CommonValue(Words& words) {
  return std::span(words).template subspan<kCommonValueWord, kBlockWords>();
}

// The 64 words of base point `point` (0-15): its address words, then its value words.
template <AxisWordsType Words>
auto PointBlock(Words& words, int point) {
  assert(point >= 0 && point < kBasePoints);
  return std::span(words).subspan(kFirstPointWord + kPointBlockWords * point)
      .template first<kPointBlockWords>();
}

template <AxisWordsType Words>
auto PointAddr(Words& words, int point) {
  return PointBlock(words, point).template first<kBlockWords>();
}

template <AxisWordsType Words>
auto PointValue(Words& words, int point) {
  return PointBlock(words, point).template last<kBlockWords>();
}

template <AxisWordsType Words>
auto& ExpansionWord(Words& words) {
  return words[kExpansionWord];
}

}  // namespace axisdata
