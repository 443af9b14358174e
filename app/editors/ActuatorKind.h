#pragma once
#include <cstdint>
#include <string>

// How an actuator type code (word 55 of an axis) decides the units of the axis: which kind of
// actuator it is, the lead per motor revolution the unit set-up works with, and the margin a
// catalogue model keeps inside its soft limits.
namespace editors {

enum class ActuatorKind {
  PulseMotor,  // code 0: rotary servo motor counted in pulses
  Rotary,      // codes 1 and 2: rotary actuator in degrees
  UserLinear,  // codes 3-87 with a low hexadecimal digit 0-9: lead chosen by code and expansion
  Catalogue,   // every other code: lead, stroke and home side follow from the type
};

ActuatorKind KindOf(int code);

// The lead box text: for user types the lead worked out from the code and the expansion byte
// (bits 24-31 of the expansion word), for catalogue models the table's lead, both written with
// the decimal sign. The pulse motor's lead is its resolution and is not asked for here.
// An expansion byte of 0 gives a rotary actuator no lead ("0"), which the set-up refuses.
std::string LeadText(int code, int expansionByte);

// Pulses a catalogue model keeps inside its soft limits, by the low hexadecimal digit of its code.
std::int16_t LimitMarginOf(int code);

}  // namespace editors
