#pragma once

class QWidget;

namespace platform {

// Places a window in the middle of the screen: left = (screen width - window width) / 2, top
// likewise.
void CentreOnScreen(QWidget& window);

}  // namespace platform
