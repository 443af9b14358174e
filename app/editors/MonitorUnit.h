#pragma once
#include <functional>
#include <string>

// The unit in which the run-status monitor shows an axis's actual position: chosen by the
// actuator type code, scaled by the lead of that type and the two scale factors the gateway
// keeps for the axis.
namespace editors {

// Pulses per scale unit: a position shows as pulses x scale / kPulseBase.
inline constexpr double kPulseBase = 800.0;

struct PositionUnit {
  double scale = 0;          // units per kPulseBase pulses; 0 shows the pulse count itself
  std::string name = "mm";   // "mm", "deg" or "pulse"
};

// The lead of a type code as text (the actuator table's entry).
using LeadOf = std::function<std::string(int typeCode)>;

// The unit of type code `type` (0-255) with scale factors a and b (0-255). A row that would
// divide by a factor of 0, or that needs a lead whose text is no number, counts pulses as type
// 0 does: a made-up scale would show a position that looks right and is not.
PositionUnit UnitForType(int type, int a, int b, const LeadOf& leadOf);

// The position text: pulses in the unit, a whole number for "pulse", else three decimals with
// the process-wide decimal sign. A scale of 0 shows the pulse count.
std::string FormatPosition(double pulses, const PositionUnit& unit);

}  // namespace editors
