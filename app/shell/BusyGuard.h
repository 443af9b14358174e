#pragma once
#include <QCloseEvent>
#include <utility>

#include "axisdata/TransferLoop.h"

// Windows and commands stand still while a loop that lets events run is under way: a close
// request is refused (the loop still uses the windows and the link), a command is dropped (it
// would nest a second loop in the first).
namespace shell {

// A command handler that runs only while no loop runs; for connecting to buttons and menus.
template <typename Command>
auto WhenIdle(Command command) {
  return [command = std::move(command)](auto&&...) {
    if (!axisdata::LoopRunning()) command();
  };
}

// A window's method as such a command.
template <typename Window, typename Method>
auto IdleCommand(Window* window, Method method) {
  return WhenIdle([window, method] { (window->*method)(); });
}

// For a window's closeEvent: true (and the event ignored) when the close must wait.
inline bool RefuseCloseWhileBusy(QCloseEvent& event) {
  if (!axisdata::LoopRunning()) return false;
  event.ignore();
  return true;
}

}  // namespace shell
