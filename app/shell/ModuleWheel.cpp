#include "shell/ModuleWheel.h"

#include <QPointer>
#include <algorithm>

#include "platform/FlexGrid.h"
#include "platform/WheelHook.h"
#include "shell/FormMain.h"

namespace shell {

namespace {
// Owned by the window as well, so it goes with the window if that goes first.
QPointer<platform::WheelHook> HookedWnd;
}

void HookMouseWheel(FormMain& window) {
  UnhookMouseWheel();
  HookedWnd = new platform::WheelHook(
      &window, {window.SyncGrid->viewport()},
      [&window](std::int32_t keys, std::int32_t rotation, std::int32_t x, std::int32_t y) {
        window.MouseWheel(keys, rotation, x, y);
      });
}

void UnhookMouseWheel() {
  delete HookedWnd.data();
  HookedWnd = nullptr;
}

void ScrollGridByWheel(platform::FlexGrid& grid, std::int32_t rotation) {
  if (rotation < 1) {
    grid.SetTopRow(std::min(grid.TopRow() + 3, grid.Rows() - 1));
  } else {
    grid.SetTopRow(std::max(grid.TopRow() - 3, 1));
  }
}

}  // namespace shell
