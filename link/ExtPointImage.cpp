#include "ExtPointImage.h"

#include <cassert>

namespace klvn {

namespace {

std::uint32_t low16(std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFFFu; }
std::uint32_t high16(std::int32_t value) { return static_cast<std::uint32_t>(value) >> 16; }

std::int32_t word(std::uint32_t high, std::uint32_t low) {
  return static_cast<std::int32_t>(high << 16 | low);
}

}  // namespace

void pack_ext_points(std::span<const std::int32_t> values, std::span<std::int32_t> words) {
  const std::size_t records = words.size() / kWordsPerRecord;
  assert(values.size() >= records * kValuesPerRecord);
  for (std::size_t r = 0; r < records; ++r) {
    const auto v = values.subspan(r * kValuesPerRecord, kValuesPerRecord);
    const auto w = words.subspan(r * kWordsPerRecord, kWordsPerRecord);
    w[0] = v[0];
    w[1] = word(low16(v[2]), low16(v[1]));
    w[2] = word(low16(v[3]), high16(v[2]));
  }
}

void unpack_ext_points(std::span<const std::int32_t> words, std::span<std::int32_t> values) {
  const std::size_t records = words.size() / kWordsPerRecord;
  assert(values.size() >= records * kValuesPerRecord);
  for (std::size_t r = 0; r < records; ++r) {
    const auto w = words.subspan(r * kWordsPerRecord, kWordsPerRecord);
    const auto v = values.subspan(r * kValuesPerRecord, kValuesPerRecord);
    v[0] = w[0];
    v[1] = static_cast<std::int32_t>(low16(w[1]));
    v[2] = word(low16(w[2]), high16(w[1]));
    v[3] = static_cast<std::int32_t>(high16(w[2]));
  }
}

}  // namespace klvn
