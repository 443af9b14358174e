// Which device a port name stands for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace klvn {

// "COMn" (any letter case, n from 1 without leading zeros) is the device named by the
// environment variable KLVNDRV_COMn when that is set and not empty, else /dev/ttyS<n-1>.
// A name containing '/' is a device path. Any other name is no port: nullopt.
std::optional<std::string> device_path_for(std::string_view port_name);

}  // namespace klvn
