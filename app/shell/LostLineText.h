#pragma once
#include <string>

namespace shell {

// "The serial line of COM1 was lost and could not be opened again." in the language of the
// loaded texts (Japanese, Chinese, else English).
std::string LostLineText(const std::string& port);

}  // namespace shell
