#include "editors/MonitorUnit.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "axisdata/NumberText.h"

namespace editors {

namespace {

constexpr double kDegreesPerTurn = 360;
constexpr double kCodeStep = 256;  // the type code's share of a row's scale

bool Within(int type, int first, int last) { return type >= first && type <= last; }

// The lead table writes its numbers with a point whatever the decimal sign is.
std::optional<double> LeadNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end) return std::nullopt;
  return value;
}

const PositionUnit kPulses{kPulseBase, "pulse"};

PositionUnit Degrees(double scale) { return {axisdata::FifteenDigits(scale), "deg"}; }

std::optional<double> LinearScale(int type, double a, double b, double lead) {
  const double la = lead * a;
  if (Within(type, 0x03, 0x06)) return (la + (type - 0x03) * kCodeStep) / 10;
  if (Within(type, 0x07, 0x09) || Within(type, 0x10, 0x19) || Within(type, 0x20, 0x29) ||
      Within(type, 0x30, 0x39) || Within(type, 0x40, 0x49) || Within(type, 0x50, 0x57)) {
    return la;
  }
  const bool perB = Within(type, 0x60, 0x69) || Within(type, 0x70, 0x79) ||
                    Within(type, 0x80, 0x84);
  if (perB && b == 0) return std::nullopt;
  if (Within(type, 0x60, 0x63)) return (la + (type - 0x60) * kCodeStep) / b;
  if (Within(type, 0x64, 0x67)) return (la + (type - 0x64) * kCodeStep) / b;
  if (perB) return la / b * 10;
  return lead;
}

}  // namespace

PositionUnit UnitForType(int type, int a, int b, const LeadOf& leadOf) {
  switch (type) {
    case 0x00: return kPulses;
    case 0x01:
    case 0x58: return a == 0 ? kPulses : Degrees(kDegreesPerTurn / a);
    case 0x02: return a == 0 ? kPulses : Degrees(std::trunc(kDegreesPerTurn / a * 100));
    case 0x59: return a == 0 || b == 0 ? kPulses : Degrees(kDegreesPerTurn / a / b * 100);
    default: break;
  }
  const std::optional<double> lead = LeadNumber(leadOf(type));
  if (!lead) return kPulses;
  const std::optional<double> scale = LinearScale(type, a, b, *lead);
  return scale ? PositionUnit{*scale, "mm"} : kPulses;
}

std::string FormatPosition(double pulses, const PositionUnit& unit) {
  const double x = unit.scale != 0 ? pulses * unit.scale / kPulseBase : pulses;
  if (unit.name == "pulse") return axisdata::FormatWhole(axisdata::RoundHalfEven(x));
  return axisdata::FormatFixed(x, 3);
}

}  // namespace editors
