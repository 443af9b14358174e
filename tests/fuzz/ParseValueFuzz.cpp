// ParseValue, FormatValue and the number-text routines for every notation, column kind, decimal
// sign and a spread of unit settings. A text either gives a word in its column's range or is
// refused with ConversionError (anything else escaping is a crash); in hexadecimal and decimal
// notation every word in range, formatted, reads back as itself; numbers written with a fixed
// number of decimals read back to within half their last digit.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "axisdata/ConversionError.h"
#include "axisdata/Notation.h"
#include "axisdata/NumberText.h"
#include "axisdata/Units.h"
#include "platform/DecimalSign.h"

namespace {

using namespace axisdata;

constexpr double kLeads[] = {0, 800, 6, 12.5, 360, 0.001, 1e9};
constexpr double kResolutions[] = {800, 1000, 4096, 1};
const char* const kUnits[] = {"mm", "deg", "pulse"};

bool InColumnRange(int type, std::int32_t word) {
  switch (type) {
    case kByte: return word >= 0 && word <= 0xFF;
    case kSpeedCode:
    case kAccCode:
    case kInt16:
    case kHundredths:
    case kSpeedCode16: return word >= INT16_MIN && word <= INT16_MAX;
    default: return true;
  }
}

template <class Conversion>
void RefusedOnlyByConversionError(Conversion conversion) {
  try {
    conversion();
  } catch (const ConversionError&) {
  }
}

void CheckNumberText(const std::string& text, int decimals) {
  double x = 0;
  try {
    x = ParseNumber(text);
  } catch (const ConversionError&) {
    return;
  }
  FUZZ_CHECK(std::isfinite(x));
  RefusedOnlyByConversionError([x] { RoundToInt32(x); });
  if (std::fabs(x) >= 1e15) return;  // beyond the digits a double holds for sure
  const double whole = RoundHalfEven(x);
  FUZZ_CHECK(std::fabs(whole - x) <= 0.5 + 1e-9 * std::fabs(x));
  FUZZ_CHECK(ParseNumber(FormatWhole(whole)) == whole);
  const double shown = ParseNumber(FormatFixed(x, decimals));
  FUZZ_CHECK(std::fabs(shown - x) <= 0.5 * std::pow(10.0, -decimals) + 1e-9 * std::fabs(x) + 1e-12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  DispMode = input.ConsumeIntegralInRange<std::int16_t>(0, 3);  // 3: any other mode, user units
  const int type = input.ConsumeIntegralInRange(-1, 9);           // -1 and 9: unknown kinds
  platform::SetDecimalSign(input.ConsumeBool() ? ',' : '.');
  DisplayUnit = input.PickValueInArray(kUnits);
  Lead = input.PickValueInArray(kLeads);
  Resolution = input.PickValueInArray(kResolutions);
  UnitPerPulse = Lead / Resolution;
  const int decimals = input.ConsumeIntegralInRange(0, 3);
  const std::int32_t word = input.ConsumeIntegral<std::int32_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  RefusedOnlyByConversionError([type, &text] {
    FUZZ_CHECK(InColumnRange(type, ParseValue(type, text)));
  });
  const std::string shown = FormatValue(type, word);
  if (DispMode <= 1 && InColumnRange(type, word)) FUZZ_CHECK(ParseValue(type, shown) == word);
  RefusedOnlyByConversionError([type, &shown] { ParseValue(type, shown); });
  CheckNumberText(text, decimals);
  return 0;
}
