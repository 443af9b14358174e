#include "axisdata/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "axisdata/ConversionError.h"
#include "platform/DecimalSign.h"

namespace axisdata {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// x taken to 15 significant digits, the precision a double holds for sure.
double Snap(double x) {
  if (!std::isfinite(x)) return x;
  char buf[32];
  const auto written = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  double snapped = x;
  std::from_chars(buf, written.ptr, snapped);
  return snapped;
}

// Copies the digits at text[i...] into out; returns how many there were.
int CopyDigits(std::string_view text, std::size_t& i, std::string& out) {
  int count = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++count) out += text[i];
  return count;
}

}  // namespace

double FifteenDigits(double x) { return Snap(x); }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

double ParseNumber(std::string_view text) {
  text = TrimBlanks(text);

  // Rewritten with '.' for from_chars, which knows no other sign and no leading '+'.
  std::string plain;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  int digits = CopyDigits(text, i, plain);
  if (i < text.size() && text[i] == platform::DecimalSign()) {
    plain += '.';
    ++i;
    digits += CopyDigits(text, i, plain);
  }
  if (digits == 0) throw ConversionError(ConversionFault::NotANumber);
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    if (CopyDigits(text, i, plain) == 0) throw ConversionError(ConversionFault::NotANumber);
  }
  if (i != text.size()) throw ConversionError(ConversionFault::NotANumber);

  double value = 0;
  const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (parsed.ec != std::errc()) throw ConversionError(ConversionFault::OutOfRange);
  return value;
}

double RoundHalfEven(double x) {
  const double s = Snap(x);
  const double below = std::floor(s);
  const double fraction = s - below;
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int32_t RoundToInt32(double x) {
  const double r = RoundHalfEven(x);
  if (!(r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())) {
    throw ConversionError(ConversionFault::OutOfRange);
  }
  return static_cast<std::int32_t>(r);
}

std::string FormatWhole(double x) {
  char buf[400];  // the longest finite double written without exponent
  const auto written =
      std::to_chars(buf, buf + sizeof buf, x == 0 ? 0.0 : x, std::chars_format::fixed, 0);
  return std::string(buf, written.ptr);
}

std::string FormatGeneral(double x) {
  if (!std::isfinite(x)) return FormatWhole(x);
  char buf[32];
  const auto written =
      std::to_chars(buf, buf + sizeof buf, x == 0 ? 0.0 : x, std::chars_format::general, 15);
  std::string text(buf, written.ptr);
  for (char& c : text) {
    if (c == '.') c = platform::DecimalSign();
  }
  return text;
}

std::string FormatSignPlace(double x) {
  std::string text = FormatGeneral(x);
  if (text.front() != '-') text.insert(0, 1, ' ');
  return text;
}

std::string FormatFixed(double x, int decimals) {
  if (!std::isfinite(x)) return FormatWhole(x);
  const double scaled = std::round(Snap(Snap(x) * std::pow(10.0, decimals)));
  std::string text = FormatWhole(std::fabs(scaled));
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  if (decimals > 0) text.insert(text.size() - decimals, 1, platform::DecimalSign());
  if (scaled < 0) text.insert(0, 1, '-');
  return text;
}

}  // namespace axisdata
