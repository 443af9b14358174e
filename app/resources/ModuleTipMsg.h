#pragma once
#include <cstdint>

namespace resources {

// Fills TipText index k with string-table id base + 87 + k.
void LoadTipMessages(int32_t base);

}  // namespace resources
