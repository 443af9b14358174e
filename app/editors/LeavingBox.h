#pragma once
#include <QEvent>
#include <QFocusEvent>

#include "axisdata/TransferLoop.h"

namespace editors {

// True for the user leaving a box, which commits it as Enter does: a message box or another
// window taking the focus is no leaving, and nothing commits while a loop runs.
inline bool LeavingBox(const QEvent& event) {
  if (event.type() != QEvent::FocusOut || axisdata::LoopRunning()) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace editors
