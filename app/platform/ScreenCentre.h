#pragma once

#include <QRect>

class QWidget;

// Where windows go on the screen.
namespace platform {

// Places a window in the middle of the screen: left = (screen width - window width) / 2, top
// likewise.
void CentreOnScreen(QWidget& window);

// The wanted window rectangle moved and shrunk as little as needed to lie within the area.
QRect FitIntoArea(const QRect& wanted, const QRect& area);

// Where a hint of `size` goes beside `anchor` so that it shows whole within `area`: starting at
// the anchor's right edge, else ending at its left edge, else moved as little as needed.
QRect PlaceBeside(const QRect& anchor, const QSize& size, const QRect& area);

// Keeps a window within the available area (without panels and docks) of the screen that holds
// its centre, or of the primary screen when none does: sizes and place taken from a settings
// file may be anything.
void KeepOnScreen(QWidget& window);

}  // namespace platform
