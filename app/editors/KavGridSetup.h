#pragma once
#include <string>

#include "editors/ModuleGrid.h"

namespace platform {
class FlexGrid;
}

// The point-table grid as a control: its layout, its cursor and the cell under the mouse.
namespace editors {

// Lays out the grid: the shared grid font, 17 rows by 15 columns with no current cell, the
// column widths and header row height, the alignment, the fixed texts and the headers of the
// notation in force (units of the axis the unit set-up last read), the header tool tips.
void SetUpKavGrid(platform::FlexGrid& grid);

// Makes row 1, column 1 the current cell; its text.
std::string ResetGridCursor(platform::FlexGrid& grid);

// The grid's current cell, selection end and mouse cell.
GridCursor CursorOf(const platform::FlexGrid& grid);

// The headers of the notation in force, with the units of the axis the unit set-up last read.
void SetKavGridHeaders(platform::FlexGrid& grid);

}  // namespace editors
