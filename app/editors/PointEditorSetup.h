#pragma once
#include <cstdint>
#include <string>

#include "axisdata/Units.h"

// What the unit set-up hands the single-point editor (FormPosEdit) for the axis it set up last.
// The set-up keeps it whether or not that window exists; the window shows it when it loads and,
// while it is registered, whenever it changes.
namespace editors {

struct PointEditorSetup {
  struct SliderScale {
    int minimum = 0;
    int maximum = axisdata::kSliderMaximum;
    int step = 1;
    bool operator==(const SliderScale&) const = default;
  };

  SliderScale positionSliders[2];  // HScroll2(0) position, HScroll2(1) in-position width
  int speedMaximum = 0;            // HScroll2(2), speed code
  int accMaximum = 0;              // HScroll2(3), acceleration code
  int thrustMaximum = 0;           // HScroll2(4), percent
  std::string row4Caption;         // Label10(4): stop current, or pusher force of an actuator
  std::string stopFwdCaption;      // OptionStopFwd and OptionStopRvs; catalogue models name the
  std::string stopRvsCaption;      // ends of the stroke
  std::string positionUnit;        // unit labels of the position and in-position rows
  std::string accUnit;             // LblAcclUnit: "G" or "r/min/ms"
  // LimitMargin: pulses an absolute position of a catalogue model keeps inside the soft limits
  // (15, 7 or 0); other types leave the last catalogue model's margin, unused for them.
  std::int16_t limitMargin = 0;

  bool operator==(const PointEditorSetup&) const = default;
};

// Implemented by the single-point editor: told when the set-up changed.
class PointEditorView {
 public:
  virtual ~PointEditorView() = default;
  virtual void ShowPointSetup(const PointEditorSetup& setup) = 0;
};

}  // namespace editors
