#pragma once

namespace shell {

// The point-table editor as the main window hands over to it ("Position Setting"). The editors
// implement it; the main window reaches it through the window registry without knowing its class.
class PointTableWindow {
 public:
  virtual ~PointTableWindow() = default;
  // Prepares the editor (grid, data set, lists and, online, the upload of every axis) and shows
  // it in place of the main window, which it shows again when it closes.
  virtual void OpenPointTable() = 0;
};

}  // namespace shell
