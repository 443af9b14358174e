#pragma once
#include <cstdint>

namespace platform {

// The system's default language id, derived from LC_ALL, LC_MESSAGES and LANG (first one set),
// with the numbering the program's language table uses (1041 Japanese, 1033 English, ...).
int16_t SystemDefaultLangId();

}  // namespace platform
