#pragma once
#include <array>
#include <cstdint>
#include <string>

// The actuator tables, indexed by an axis's actuator type code (0-255). The low hexadecimal digit
// of a code is the family column (A-F catalogue families, 0-9 user-defined actuators), the high
// digit the row (the stroke of a catalogue family).
namespace axisdata {

inline constexpr int kActuatorCodes = 256;

extern std::array<std::int16_t, kActuatorCodes> ThrustTbl;    // percent
extern std::array<std::string, kActuatorCodes> StrokeTbl;     // mm, as text
extern std::array<std::string, kActuatorCodes> LeadTbl;       // mm (deg for codes 1, 2) per rev
extern std::array<std::int16_t, kActuatorCodes> MaxSpeedTbl;  // r/min
extern std::array<std::int16_t, kActuatorCodes> MaxAccTbl;    // 0.1 r/min/ms

// Fills the five tables; called once at start-up, before any window reads them.
void InitActuatorTables();

// A code outside 0-255 (a damaged type word) is answered as code 0, the actuator without a lead:
// the unit set-up then refuses its lead of 0 instead of working with a made-up one.
std::int16_t GetThrust(int code);
std::string GetStroke(int code);
std::string GetLead(int code);
std::int16_t GetMaxSpeed(int code);
std::int16_t GetMaxAcc(int code);

// Option word value that marks the absolute-encoder variant of a model.
inline constexpr int kAbsoluteEncoderOption = 128;

// The model name the common-parameter editor shows for a type code and the axis's option word.
// Codes that are no catalogue model, and codes outside 0-255, give "User Defined".
std::string ModelName(int code, int option);

}  // namespace axisdata
