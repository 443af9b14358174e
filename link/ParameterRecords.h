// The parameter records of a controller's word image and their lines (layouts in klvndrv.h):
// prm (words 126-127), ex prm (words 93-124), 35 prm (words 300-304), 77 prm (words 768-772).
// Writers return the line; parsers return false at the first syntax error, with the fields read
// so far stored. Each takes an image of at least its record's ...ImageWords words.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace klvn {

inline constexpr std::size_t kPrmImageWords = 128;
inline constexpr std::size_t kExPrmFirstWord = 93;
inline constexpr std::size_t kExPrmWords = 32;
inline constexpr std::size_t kExPrmImageWords = kExPrmFirstWord + kExPrmWords;
inline constexpr std::size_t kPrm35ImageWords = 305;
inline constexpr std::size_t kPrm77ImageWords = 773;

std::string prm_line(std::span<const std::uint32_t> image);
bool parse_prm_line(std::string_view line, std::span<std::uint32_t> image);

std::string ex_prm_line(std::span<const std::uint32_t> image);
bool parse_ex_prm_line(std::string_view line, std::span<std::uint32_t> image);

std::string prm35_line(std::span<const std::uint32_t> image);
bool parse_prm35_line(std::string_view line, std::span<std::uint32_t> image);

std::string prm77_line(std::span<const std::uint32_t> image);
bool parse_prm77_line(std::string_view line, std::span<std::uint32_t> image);

}  // namespace klvn
