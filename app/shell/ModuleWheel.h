#pragma once
#include <cstdint>

class FormMain;
namespace platform {
class FlexGrid;
}

// The main window's mouse-wheel hook: one wheel message scrolls its grid by three rows.
namespace shell {

void HookMouseWheel(FormMain& window);
void UnhookMouseWheel();

// rotation below 1 (towards the user) scrolls down, otherwise up; never past the last row or
// above the first body row.
void ScrollGridByWheel(platform::FlexGrid& grid, std::int32_t rotation);

}  // namespace shell
