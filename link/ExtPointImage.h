// The extended-point image on the wire: each record of four 32-bit values travels as three
// words. Value 1 whole; values 2 and 4 only by their low 16 bits (they come back without sign);
// value 3 split across words 1 and 2.
#pragma once

#include <cstdint>
#include <span>

namespace klvn {

inline constexpr std::int32_t kExtPointBufferWords = 4096;

// Words per record on the wire, and values per record at the caller.
inline constexpr std::int32_t kWordsPerRecord = 3;
inline constexpr std::int32_t kValuesPerRecord = 4;

// The number of caller values a wire image of `words` words holds (words is a multiple of 3).
constexpr std::int32_t ext_point_values(std::int32_t words) {
  return words / kWordsPerRecord * kValuesPerRecord;
}

// Packs words.size() / 3 records; `values` holds at least 4 values per record.
void pack_ext_points(std::span<const std::int32_t> values, std::span<std::int32_t> words);
// Unpacks words.size() / 3 records into `values`, which holds at least 4 values per record.
void unpack_ext_points(std::span<const std::int32_t> words, std::span<std::int32_t> values);

}  // namespace klvn
