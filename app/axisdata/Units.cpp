#include "axisdata/Units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "axisdata/ConversionError.h"
#include "axisdata/NumberText.h"
#include "axisdata/UnitControls.h"

namespace axisdata {

namespace {
// Until an axis is set up, one unit is one pulse.
constexpr const char* kDefaultUnit = "pulse";
constexpr double kDefaultLead = 800;
constexpr std::int32_t kDefaultRvsLimit = 1;
}  // namespace

std::string DisplayUnit = kDefaultUnit;
double Lead = kDefaultLead;
double Resolution = kDefaultLead;
double UnitPerPulse = 1;
std::int32_t FwdLimitPulses = 0;
std::int32_t RvsLimitPulses = kDefaultRvsLimit;
double SliderSpan = 1;
double SliderOffset = 0;
double InpSliderScale = 1;
bool CatalogueModel = false;

void ResetUnitState() {
  DisplayUnit = kDefaultUnit;
  Lead = Resolution = kDefaultLead;
  UnitPerPulse = 1;
  FwdLimitPulses = 0;
  RvsLimitPulses = kDefaultRvsLimit;
  SliderSpan = 1;
  SliderOffset = 0;
  InpSliderScale = 1;
  CatalogueModel = false;
}

namespace {

UnitControls* g_controls = nullptr;

// Without a decimals list: as a list with nothing selected.
constexpr int kNoDecimalsChoice = -1;

// 60 s/min x 9.8 m/s^2: r/min/ms x lead in mm -> G.
constexpr double kAccToG = 60 * 9.8;

double RequireLead() {
  if (Lead == 0) throw ConversionError(ConversionFault::ZeroLead);
  return Lead;
}

bool InMillimetres() { return DisplayUnit == "mm"; }

// Step of both position sliders. A reverse limit below the forward one gives a negative span;
// the step follows the span's size, since a slider step must be positive.
int SliderStep(double span) {
  const double size = std::fabs(span);
  return size < kSliderMaximum ? RoundToInt32(kSliderMaximum / size) : 1;
}

}  // namespace

void RegisterUnitControls(UnitControls* controls) { g_controls = controls; }

std::string FormatPulses(double pulses) {
  const double x = pulses * UnitPerPulse;
  switch (g_controls ? g_controls->DisplayDecimals() : kNoDecimalsChoice) {
    case 0:
      return FormatWhole(RoundHalfEven(x));
    case 1:
      return FormatFixed(x, 1);
    case 2:
      return FormatFixed(x, 2);
    default:
      return FormatFixed(x, 3);
  }
}

std::int32_t UnitToPulses(std::string_view text) {
  const double number = ParseNumber(text);
  return RoundToInt32(number / RequireLead() * Resolution);
}

std::string SpeedCodeToText(double code) { return FormatFixed(Lead * code * 0.2 / 60, 2); }

std::int32_t TextToSpeedCode(std::string_view text) {
  const double number = ParseNumber(text);
  return RoundToInt32(number * 60 / (RequireLead() * 0.2));
}

std::string AccCodeToText(double code) {
  const bool mm = InMillimetres();
  if (g_controls) g_controls->ShowAccUnit(mm ? "G" : "r/min/ms");
  return mm ? FormatFixed(Lead * code * 0.1 / kAccToG, 3) : FormatWhole(RoundHalfEven(code * 0.1));
}

std::int32_t TextToAccCode(std::string_view text) {
  const double number = ParseNumber(text);
  if (!InMillimetres()) return RoundToInt32(number * 10);
  return RoundToInt32(number * kAccToG / (RequireLead() * 0.1));
}

void ClampValue(double& x, double a, double b) {
  x = std::clamp(x, std::min(a, b), std::max(a, b));
}

void RefreshLimitScales() {
  FwdLimitPulses = std::clamp(FwdLimitPulses, kLimitMinimum, kLimitMaximum);
  RvsLimitPulses = std::clamp(RvsLimitPulses, kLimitMinimum, kLimitMaximum);
  if (RvsLimitPulses == FwdLimitPulses) RvsLimitPulses = FwdLimitPulses + 1;
  SliderSpan = static_cast<double>(RvsLimitPulses) - FwdLimitPulses;
  SliderOffset = FwdLimitPulses;
  InpSliderScale = SliderSpan;
  if (!g_controls) return;

  const int step = SliderStep(SliderSpan);
  g_controls->SetSliderScale(0, 0, kSliderMaximum, step);
  g_controls->SetSliderScale(1, 0, kSliderMaximum, step);
  g_controls->ShowLimits(FormatPulses(FwdLimitPulses), FormatPulses(RvsLimitPulses));
  if (CatalogueModel) {
    g_controls->SelectHomeSide(std::abs(FwdLimitPulses) >= std::abs(RvsLimitPulses) ? 1 : 0);
  }
  g_controls->ShowStroke(
      FormatPulses(std::fabs(static_cast<double>(FwdLimitPulses) - RvsLimitPulses)));
}

}  // namespace axisdata
