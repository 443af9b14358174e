#include "editors/ActuatorKind.h"

#include <charconv>

#include "axisdata/NumberText.h"
#include "axisdata/Tables.h"
#include "platform/DecimalSign.h"

namespace editors {

namespace {

constexpr int kLastUserLinearCode = 87;
constexpr int kUserLinearBaseCode = 3;    // codes 3-6 add 256 per step above 3 to the lead
constexpr int kLastUserLinearBaseCode = 6;
constexpr double kDegreesPerTurn = 360;

int LowDigit(int code) { return code & 0xF; }

// The tables write their numbers with '.', whatever the decimal sign of the program.
double TableNumber(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string WithDecimalSign(std::string text) {
  for (char& c : text) {
    if (c == '.') c = platform::DecimalSign();
  }
  return text;
}

}  // namespace

ActuatorKind KindOf(int code) {
  if (code == 0) return ActuatorKind::PulseMotor;
  if (code == 1 || code == 2) return ActuatorKind::Rotary;
  if (code >= kUserLinearBaseCode && code <= kLastUserLinearCode && LowDigit(code) <= 9) {
    return ActuatorKind::UserLinear;
  }
  return ActuatorKind::Catalogue;
}

std::string LeadText(int code, int expansionByte) {
  switch (KindOf(code)) {
    case ActuatorKind::Rotary: {
      // Code 2 counts in hundredths of the degrees of code 1.
      double lead = expansionByte == 0 ? 0 : kDegreesPerTurn / expansionByte;
      if (code == 2) lead = static_cast<double>(static_cast<std::int64_t>(lead * 100));
      return axisdata::FormatSignPlace(lead);
    }
    case ActuatorKind::UserLinear: {
      const double lead = TableNumber(axisdata::GetLead(code)) * expansionByte;
      if (code > kLastUserLinearBaseCode) return axisdata::FormatGeneral(lead);
      return axisdata::FormatGeneral((lead + (code - kUserLinearBaseCode) * 256) / 10);
    }
    default:
      return WithDecimalSign(axisdata::GetLead(code));
  }
}

std::int16_t LimitMarginOf(int code) {
  switch (LowDigit(code)) {
    case 0xB:
      return 15;
    case 0xC:
    case 0xE:
    case 0xF:
      return 7;
    default:
      return 0;
  }
}

}  // namespace editors
