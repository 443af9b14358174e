#pragma once
#include <stdexcept>

namespace axisdata {

// Why a text could not become a stored value.
enum class ConversionFault {
  NotANumber,  // the text holds no number in the expected notation
  OutOfRange,  // the result does not fit the target (byte, 16-bit, 32-bit)
  ZeroLead,    // the conversion divides by a lead of 0
};

// Thrown by every conversion from text to a stored value (unit conversions and ParseValue).
// Window code catches it where the user typed the text and rejects the entry; it must not
// escape into the event loop.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(ConversionFault fault);
  ConversionFault fault() const { return fault_; }

 private:
  ConversionFault fault_;
};

}  // namespace axisdata
