#include "PortName.h"

#include <cctype>
#include <cstdlib>

namespace klvn {

namespace {

// The n of "COMn", or 0 when the name is not of that form.
unsigned com_number(std::string_view name) {
  if (name.size() < 4 || name.size() > 6) return 0;
  for (std::size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
  const std::string_view digits = name.substr(3);
  if (digits.front() == '0') return 0;
  unsigned n = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    n = n * 10 + static_cast<unsigned>(c - '0');
  }
  return n;
}

}  // namespace

std::optional<std::string> device_path_for(std::string_view port_name) {
  if (port_name.find('/') != std::string_view::npos) return std::string(port_name);
  const unsigned n = com_number(port_name);
  if (n == 0) return std::nullopt;
  const std::string variable = "KLVNDRV_COM" + std::to_string(n);
  if (const char* mapped = std::getenv(variable.c_str()); mapped && *mapped) return std::string(mapped);
  return "/dev/ttyS" + std::to_string(n - 1);
}

}  // namespace klvn
