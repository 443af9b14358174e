// The frame receiver over a fake line. The input's first four bytes choose where the byte stream
// is split into reads (and whether the line ends lost or quiet); the rest is the stream. However it
// is split, the receiver must give exactly the frames that a plain framing of the whole stream
// finds: skip to STX, take 16 bytes, keep them when valid, go on after them.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FrameReceiver.h"
#include "FuzzCheck.h"

namespace {

using klvn::CommandFields;
using klvn::FrameBytes;

bool Same(const CommandFields& a, const CommandFields& b) {
  return a.letter == b.letter && a.address == b.address && a.data == b.data;
}

// Hands the stream out in pieces of 1 to 32 bytes, sizes drawn from the seed. At its end every
// read finds the deadline passed, or the line lost.
class FakeLine final : public klvn::ByteLine {
 public:
  FakeLine(const std::uint8_t* data, std::size_t size, std::uint32_t seed, bool endsLost)
      : data_(data), size_(size), state_(seed | 1), endsLost_(endsLost) {}  // xorshift: not 0

  klvn::LineRead read_some(std::uint8_t* buffer, std::size_t count, klvn::LineClock::time_point,
                           const std::function<bool()>&) override {
    if (pos_ == size_) return {0, endsLost_};
    if (pieceLeft_ == 0) pieceLeft_ = NextPieceSize();
    const std::size_t n = std::min({count, pieceLeft_, size_ - pos_});
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    pieceLeft_ -= n;
    return {n, false};
  }

  bool AtEnd() const { return pos_ == size_; }

 private:
  std::size_t NextPieceSize() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return 1 + state_ % 32;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::size_t pieceLeft_ = 0;
  std::uint32_t state_;
  bool endsLost_;
};

std::vector<CommandFields> ReferenceFrames(const std::uint8_t* data, std::size_t size) {
  std::vector<CommandFields> frames;
  for (std::size_t i = 0; i < size;) {
    if (data[i] != klvn::kStx) {
      ++i;
      continue;
    }
    if (size - i < klvn::kFrameSize) break;
    FrameBytes frame{};
    std::memcpy(frame.data(), data + i, frame.size());
    if (const auto fields = klvn::parse_command_frame(frame)) frames.push_back(*fields);
    i += klvn::kFrameSize;
  }
  return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kChoiceBytes = 4;
  if (size < kChoiceBytes) return 0;
  std::uint32_t choice = 0;
  std::memcpy(&choice, data, kChoiceBytes);
  const bool endsLost = choice & 1;
  data += kChoiceBytes;
  size -= kChoiceBytes;
  FakeLine line(data, size, choice, endsLost);
  const klvn::TimeoutRecord timeouts{2, 500, 2, 200};
  const auto never = [] { return false; };

  std::vector<CommandFields> received;
  int starts = 0;
  for (;;) {
    FrameBytes buffer{};
    const klvn::Receipt receipt =
        klvn::receive_frame(line, timeouts, buffer, never, [&starts] { ++starts; });
    if (receipt.end == klvn::ReceiveEnd::Frame) received.push_back(receipt.fields);
    FUZZ_CHECK(receipt.end != klvn::ReceiveEnd::Stopped);
    if (receipt.end == klvn::ReceiveEnd::LineLost || receipt.end == klvn::ReceiveEnd::TimedOut) {
      FUZZ_CHECK(line.AtEnd());
      FUZZ_CHECK((receipt.end == klvn::ReceiveEnd::LineLost) == endsLost);
      break;
    }
  }
  const std::vector<CommandFields> expected = ReferenceFrames(data, size);
  FUZZ_CHECK(std::equal(received.begin(), received.end(), expected.begin(), expected.end(), Same));
  FUZZ_CHECK(static_cast<std::size_t>(starts) >= received.size());
  return 0;
}
