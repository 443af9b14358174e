// The monitor's position unit by actuator type code, and the position text in it.
#include <gtest/gtest.h>

#include "editors/MonitorUnit.h"
#include "platform/DecimalSign.h"

using editors::FormatPosition;
using editors::UnitForType;

namespace {

struct UnitCase {
  const char* name;
  int type, a, b;
  const char* lead;  // the lead the actuator table gives the type
  double pulses;
  const char* unit;
  const char* text;
};
void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }

class PositionUnit : public testing::TestWithParam<UnitCase> {};

}  // namespace

TEST_P(PositionUnit, ScalesThePulsesOfItsTypeCode) {
  const UnitCase& c = GetParam();
  const auto unit = UnitForType(c.type, c.a, c.b, [&c](int) { return std::string(c.lead); });
  EXPECT_EQ(unit.name, c.unit);
  EXPECT_EQ(FormatPosition(c.pulses, unit), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    TypeCodes, PositionUnit,
    testing::Values(
        UnitCase{"PulsesOfType00", 0x00, 5, 5, "0", -1234, "pulse", "-1234"},
        UnitCase{"LeadTimesAOfType12", 0x12, 2, 0, "10", 800, "mm", "20.000"},
        UnitCase{"WholeHundredthsOfDegreesOfType02", 0x02, 3, 0, "360", 800, "deg", "12000.000"},
        UnitCase{"DegreesPerTurnOfType01", 0x01, 7, 0, "360", 800, "deg", "51.429"},
        UnitCase{"DegreesOverAAndBOfType59", 0x59, 3, 4, "0", 400, "deg", "1500.000"},
        UnitCase{"LeadAndCodeInTenthsOfType04", 0x04, 2, 0, "1", 800, "mm", "25.800"},
        UnitCase{"LeadAndCodeOverBOfType61", 0x61, 1, 2, "2.5", 800, "mm", "129.250"},
        UnitCase{"LeadAndCodeOverBOfType66", 0x66, 2, 4, "3", 800, "mm", "129.500"},
        UnitCase{"LeadTimesAOverBOfType70", 0x70, 3, 2, "2.5", 800, "mm", "37.500"},
        UnitCase{"LeadAloneOutsideEveryList", 0x85, 9, 9, "8", -400, "mm", "-4.000"},
        UnitCase{"LeadTimesZeroShowsThePulses", 0x10, 0, 0, "8", 1234, "mm", "1234.000"},
        UnitCase{"FactorAOf0CountsPulses", 0x01, 0, 0, "360", 801, "pulse", "801"},
        UnitCase{"FactorBOf0CountsPulses", 0x68, 2, 0, "2.5", 801, "pulse", "801"},
        UnitCase{"LeadThatIsNoNumberCountsPulses", 0x10, 1, 1, "", 801, "pulse", "801"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonitorPosition, UsesTheDecimalSignOfTheLanguage) {
  platform::SetDecimalSign(',');
  EXPECT_EQ(FormatPosition(800, {20, "mm"}), "20,000");
  platform::SetDecimalSign('.');
}

TEST(MonitorPosition, DegreeScalesAreKeptToFifteenDigits) {
  const auto unit = UnitForType(0x01, 7, 0, [](int) { return std::string("360"); });
  EXPECT_EQ(unit.scale, 51.4285714285714);
}
