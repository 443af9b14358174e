#pragma once
#include <string>
#include <string_view>

namespace editors {

// Tells the user that the box captioned `caption` holds `text`, which is no value it takes, and
// that nothing was stored: the editors' one answer to such a text.
void TellNotStored(const std::string& caption, std::string_view text);

}  // namespace editors
