#pragma once

class QKeyEvent;

namespace platform {

// Virtual key codes the windows' key handlers compare with (13 Enter, 27 Esc, 38 Up, 113 F2, ...).
enum VirtualKey : int {
  VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33,
  VK_NEXT = 34, VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
  VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112, VK_F2 = 113,
};

// The virtual key code of a key event; 0 for keys without one (modifiers alone).
int VirtualKeyCode(const QKeyEvent& event);

// Shift state as a bit mask: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(const QKeyEvent& event);

}  // namespace platform
