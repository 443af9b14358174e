// Poll-driven transfers, seen from the PC: the gateway polls, the PC names the transfer in its
// answer, and the gateway then writes or reads one word per command frame. Each step handles at
// most one frame; the caller repeats it while it gives KLVNDRV_GO_ON.
#pragma once

#include <cstdint>
#include <span>

#include "klvndrv.h"  // the step results

namespace klvn {

// The process-wide load counter: the index of the next word, and the words of the transfer.
void reset_load_counter(std::int32_t capacity);
std::int32_t load_count();
std::int32_t load_capacity();

// Words one block-typed frame address reaches; the block type of a word is its index / 256
// plus the family's first type.
inline constexpr std::int32_t kBlockWords = 256;
inline constexpr std::int32_t kWordImageFirstType = 0;   // 4 block types: at most 1024 words
inline constexpr std::int32_t kExtPointFirstType = 4;    // 5 block types: at most 1280 words
inline constexpr std::int32_t kWordImageMaxWords = 4 * kBlockWords;
inline constexpr std::int32_t kExtPointMaxWords = 5 * kBlockWords;
// An axis common block or point bank: one block, the frame address is the word index.
inline constexpr std::int32_t kAxisBlockWords = 32;

// One counted transfer. Exactly one of `fill` (upload) and `source` (download) is set, and it
// holds `capacity` words.
struct CountedTransfer {
  std::int32_t capacity;
  std::int32_t request_code;
  char axis_letter;               // axis blocks: their letter; 0 for the block-typed families
  std::int32_t first_block_type;  // block-typed families: the type of words 0-255
  std::int32_t* fill;
  const std::int32_t* source;
};
std::int32_t counted_step(const CountedTransfer& transfer);

// One word without a counter. Upload: `fill` receives the word; download: `value` is sent.
struct SingleWordTransfer {
  char letter;
  std::int32_t request_code;
  std::int32_t* fill;
  std::int32_t value;
};
std::int32_t single_word_step(const SingleWordTransfer& transfer);

// The library's buffer between the caller's extended-point values and the wire.
std::span<std::int32_t> ext_point_buffer();

}  // namespace klvn
