#pragma once
#include <array>
#include <cstdint>
#include <string>

// The texts of the chosen language, copied once at start-up from the string table. Both tables
// are indexed by the table's own numbering: UiText[N] is string-table id N (ids 1-86 and
// 136-151; the other slots stay empty), TipText[k] is id 87 + k.
namespace shell {

inline constexpr int kUiTextSlots = 152;
inline constexpr int kFirstTipId = 87;
inline constexpr int kTipTextCount = 49;

extern std::array<std::string, kUiTextSlots> UiText;
extern std::array<std::string, kTipTextCount> TipText;

// Fills UiText from the block at base (0 Japanese, 2000 Chinese, 4000 English), then TipText.
void LoadUiText(int32_t base);

// Text of a string-table id; empty when the table lacks it.
std::string ResourceText(int32_t id);

}  // namespace shell
