#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Small routines on texts and numbers.
namespace axisdata {

// Comparison modes of SplitText and InStrRevPos. Any mode but kTextCompare compares bytes.
inline constexpr std::int32_t kDefaultCompare = -1;
inline constexpr std::int32_t kBinaryCompare = 0;
inline constexpr std::int32_t kTextCompare = 1;  // ASCII letters without regard to case

// The text after the last '/' or '\' (Windows-style names in data split too); a path without
// either is returned whole.
std::string PathFileName(std::string_view path);

// The parts of text between delimiters, left to right; the rest after the last split is the
// last part. An empty text gives no parts; an empty delimiter, limit 0 or a delimiter longer
// than the text give the text alone. A positive limit splits at the first `limit` delimiters
// only; a negative one (-1) does not limit.
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter,
                                   std::int32_t limit, std::int32_t compare);

// 1-based position of the last occurrence of find that ends at or before position start
// (-1: the whole text). 0 when there is none, when find is empty, or when start is beyond the
// end of the text or below -1.
std::int32_t InStrRevPos(std::string_view text, std::string_view find, std::int32_t start,
                         std::int32_t compare);

// text without its CR LF pairs; a CR or LF alone stays.
std::string StripCrLf(std::string_view text);

// An unsigned 32-bit number read as a signed word: up to 2147483647 unchanged, 2147483648 to
// 4294967296 less 4294967296 (4294967295 -> -1); anything else (larger, or below the signed
// range) gives 0.
std::int32_t UnsignedToLong(std::int64_t number);

// The word's bits as upper-case hexadecimal digits without leading zeros: "A" for 10, "FFFFFFFF"
// for -1. Axis, page and point numbers are shown this way.
std::string HexText(std::int32_t value);

}  // namespace axisdata
