#pragma once
#include <string>

namespace axisdata {

// What a running transfer or wait shows. The progress window implements it; a transfer never
// touches the window's controls.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  // Shows the window with a caption, a bar from 0 to maximum (no bar for 0) at 0, and the
  // cancel button enabled or not.
  virtual void Begin(const std::string& caption, int maximum, bool cancellable) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetValue(int value) = 0;
  virtual void SetCancellable(bool cancellable) = 0;
  virtual void End() = 0;
};

// Registers the view (nullptr removes it). Without one, progress goes nowhere.
void RegisterProgressView(ProgressView* view);
ProgressView& Progress();

}  // namespace axisdata
