#include "editors/PointModeFlags.h"

namespace editors {

namespace {

enum ModeValue : std::int32_t {
  kMaxAccel = 1,
  kPusher = 2,
  kPushReverse = 4,
  kRelative = 8,
  kRotateCcw = 16,
  kRotateCw = 32,
};

// True, and the value taken from the word, when the word holds at least the value.
bool Take(std::int32_t& word, std::int32_t value) {
  if (word < value) return false;
  word -= value;
  return true;
}

}  // namespace

PointMode DecodePointMode(std::int32_t word) {
  PointMode mode;
  if (Take(word, kRotateCw)) {
    mode.rotate = mode.clockwise = true;
  } else {
    mode.rotate = Take(word, kRotateCcw);
  }
  mode.relative = Take(word, kRelative);
  mode.pushReverse = Take(word, kPushReverse);
  mode.pusher = Take(word, kPusher);
  mode.maxAccel = word != 0;
  return mode;
}

std::int32_t EncodePointMode(const PointMode& mode) {
  std::int32_t word = 0;
  if (mode.maxAccel) word += kMaxAccel;
  if (mode.pusher) word += kPusher;
  if (mode.pushReverse) word += kPushReverse;
  if (mode.relative) word += kRelative;
  if (mode.rotate) word += mode.clockwise ? kRotateCw : kRotateCcw;
  return word;
}

}  // namespace editors
