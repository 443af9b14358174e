// The gateway's single words, read with 'G' and written with 'H' by 16-bit word address. Tests
// and the front end set and change them while the gateway serves on another thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace vuz::sim {

struct WordRead {
  unsigned axis = 0;
  unsigned address = 0;
  bool operator==(const WordRead&) const = default;
};

class GatewayWords {
 public:
  // A word of the gateway itself: every axis reads it.
  void set(unsigned address, std::uint32_t value);
  // A word of one axis; that axis reads it before a word set for every axis.
  void set(unsigned axis, unsigned address, std::uint32_t value);
  // What a read for `axis` gets: the axis's own word, else the gateway's, else 0.
  std::uint32_t get(unsigned axis, unsigned address) const;

  // Books a read the PC completed (the latest kKeptReads are kept, oldest first).
  void book_read(unsigned axis, unsigned address);
  std::vector<WordRead> reads() const;

  static constexpr std::size_t kKeptReads = 4096;

 private:
  mutable std::mutex guard_;
  std::map<unsigned, std::uint32_t> gateway_;
  std::map<std::pair<unsigned, unsigned>, std::uint32_t> axes_;
  std::deque<WordRead> reads_;
};

}  // namespace vuz::sim
