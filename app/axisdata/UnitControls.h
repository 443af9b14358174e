#pragma once
#include <string>

namespace axisdata {

// The controls of the common-parameter and single-point editors that the unit conversions write
// or read. The editors implement it and register it at start-up; with nothing registered the
// conversions still work and the window writes are skipped.
class UnitControls {
 public:
  virtual ~UnitControls() = default;

  // Selected entry of the display-decimals list (ComboReso): 0 whole units, 1 and 2 that many
  // decimals, anything else (also no selection, -1) three.
  virtual int DisplayDecimals() const = 0;

  // Range and step of slider 0 (position) or 1 (in-position width) of HScroll2.
  virtual void SetSliderScale(int slider, int minimum, int maximum, int step) = 0;

  // The forward and reverse soft-limit boxes (TextFwdLimit, TextRvsLimit).
  virtual void ShowLimits(const std::string& forward, const std::string& reverse) = 0;

  // Entry of the home-side list (CmbHomeSel) of a catalogue model.
  virtual void SelectHomeSide(int index) = 0;

  // The stroke box (Text5).
  virtual void ShowStroke(const std::string& stroke) = 0;

  // Both acceleration unit labels (LblHAccUnit, LblAcclUnit): "G" or "r/min/ms".
  virtual void ShowAccUnit(const std::string& unit) = 0;
};

// Registers the controls (nullptr removes them). The object must outlive its registration.
void RegisterUnitControls(UnitControls* controls);

}  // namespace axisdata
