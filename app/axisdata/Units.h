#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The unit state of the current axis and the conversions between stored codes and the texts the
// editors show: pulses to display units (mm, deg or pulse), speed codes (0.2 r/min) to units per
// second, acceleration codes (0.1 r/min/ms) to G or r/min/ms.
//
// One set for the whole program, written by the unit set-up of the common-parameter editor for
// the axis it shows last. Until then one unit is one pulse (lead and resolution 800, "pulse",
// limits 0 and 1). Text-to-code conversions throw ConversionError: NotANumber for a text
// without a number, OutOfRange for a result beyond 32 bits, ZeroLead when they divide by Lead 0.
namespace axisdata {

extern std::string DisplayUnit;      // "mm", "deg" or "pulse"
extern double Lead;                  // display units per motor revolution
extern double Resolution;            // encoder pulses per motor revolution
extern double UnitPerPulse;          // Lead / Resolution
extern std::int32_t FwdLimitPulses;  // lower end of the position range
extern std::int32_t RvsLimitPulses;  // upper end of the position range
extern double SliderSpan;            // pulses covered by the full travel of the position slider
extern double SliderOffset;          // position at slider value 0
extern double InpSliderScale;        // pulses covered by the in-position slider
extern bool CatalogueModel;          // limits, lead and home side follow from the actuator type

// Back to the state before any axis was set up.
void ResetUnitState();

// Sliders run from 0 to this value.
inline constexpr int kSliderMaximum = 32767;
// Soft limits are kept inside this range.
inline constexpr std::int32_t kLimitMinimum = -1073741824;
inline constexpr std::int32_t kLimitMaximum = 1073741823;

std::string FormatPulses(double pulses);
std::int32_t UnitToPulses(std::string_view text);
std::string SpeedCodeToText(double code);
std::int32_t TextToSpeedCode(std::string_view text);
// Also sets the acceleration unit labels of both editors.
std::string AccCodeToText(double code);
std::int32_t TextToAccCode(std::string_view text);

// Clamps x into the closed range between the smaller and the larger of a and b.
void ClampValue(double& x, double a, double b);

// After the limits or the unit changed: clamps the limits, keeps the span non-zero, derives the
// slider scales and rewrites the limit boxes, the home side of a catalogue model and the stroke.
void RefreshLimitScales();

}  // namespace axisdata
