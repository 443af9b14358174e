// The step record of a controller's word image: the three words of one step and its line
// (layout in klvndrv.h). The step number is written with two or three digits, so steps run from
// 0 to 999 and a step line reaches word 2999 at most.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace klvn {

inline constexpr std::int32_t kStepWords = 3;
inline constexpr std::int32_t kLastStepNumber = 999;
inline constexpr std::size_t kStepImageWords = (kLastStepNumber + 1) * kStepWords;

// Whether the three words from `word_index` make a step line: not negative, not past word 2999.
bool is_step_word_index(std::int32_t word_index);

// The line of the three words from `word_index`, numbered word_index / 3; empty when the index is
// not a step word index. `image` holds at least word_index + 3 words.
std::string step_line(std::span<const std::uint32_t> image, std::int32_t word_index);

// Parses a step line into the three words of its step (3 x its step number, which the result
// gives). nullopt at the first syntax error; once the step number is read the step's words are
// cleared, and they keep what was stored up to the error. `image` holds kStepImageWords words.
std::optional<std::int32_t> parse_step_line(std::string_view line, std::span<std::uint32_t> image);

}  // namespace klvn
