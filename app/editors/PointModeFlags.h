#pragma once
#include <cstdint>

// The mode flags of a point (its MXAC word) as the single-point editor shows them: a sum of
// 1 maximum acceleration, 2 pusher valid, 4 push toward the reverse side, 8 relative move,
// 16 endless rotation counter-clockwise, 32 endless rotation clockwise.
namespace editors {

struct PointMode {
  bool rotate = false;     // endless rotation
  bool clockwise = false;  // its direction; counter-clockwise otherwise
  bool relative = false;
  bool pushReverse = false;  // push toward the reverse side; the forward side otherwise
  bool pusher = false;
  bool maxAccel = false;

  bool operator==(const PointMode&) const = default;
};

// Takes the values from the top, each at most once: 32 or else 16, then 8, 4, 2, and whatever
// is left as maximum acceleration. A word that is no such sum (48, 100, -1) still decodes, the
// way the editor has always shown it: 48 as 32 + 8 + 4 + 2 + rest.
PointMode DecodePointMode(std::int32_t word);

// The word of the editor's settings: rotation adds 32 clockwise or 16 counter-clockwise, and
// the reverse push side adds 4 whether the point pushes or not.
std::int32_t EncodePointMode(const PointMode& mode);

}  // namespace editors
