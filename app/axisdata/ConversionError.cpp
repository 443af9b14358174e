#include "axisdata/ConversionError.h"

namespace axisdata {

namespace {
const char* Describe(ConversionFault fault) {
  switch (fault) {
    case ConversionFault::NotANumber:
      return "text holds no number";
    case ConversionFault::OutOfRange:
      return "value out of range";
    case ConversionFault::ZeroLead:
      return "lead is zero";
  }
  return "conversion failed";
}
}  // namespace

ConversionError::ConversionError(ConversionFault fault)
    : std::runtime_error(Describe(fault)), fault_(fault) {}

}  // namespace axisdata
