#include "editors/KavGridSetup.h"

#include <algorithm>

#include "editors/ComEditCore.h"
#include "platform/FlexGrid.h"
#include "shell/QtFonts.h"

namespace editors {

namespace {

// The header row holds two lines of the grid's font at least, as the layout's height does for the
// font it was made for: a header wider than its column takes the second line.
constexpr int kHeaderLines = 2;
constexpr int kWidestColumnPixels = 1000;

// The layout's sizes where the headers read whole in them; else a higher header row, for fonts
// with taller lines, and a wider column, for a header that needs more than the row's lines there
// (the units of a pulse-motor axis, a longer word for "Point").
void FitKavGridSizes(platform::FlexGrid& grid) {
  using platform::kTwipsPerPixel;
  const int height =
      std::max(kHeaderRowTwips / kTwipsPerPixel, grid.HeaderHeightForLines(kHeaderLines));
  grid.SetHeaderRowHeightTwips(height * kTwipsPerPixel);
  for (int col = 0; col < kKavGridCols; ++col) {
    const int layoutTwips = KavColumnWidthTwips(col);
    int width = layoutTwips / kTwipsPerPixel;
    if (col != kMarkerColumn) {  // the marker column stays out of sight
      while (width < kWidestColumnPixels && !grid.HeaderTextFits(col, {width, height})) ++width;
    }
    // Widened by whole pixels; else the layout's own width.
    grid.SetColWidthTwips(col, std::max(layoutTwips, width * kTwipsPerPixel));
  }
}

}  // namespace

void SetUpKavGrid(platform::FlexGrid& grid) {
  grid.setFont(shell::QtFont(shell::GridFont));
  grid.SetRows(kKavGridRows);
  grid.SetCols(kKavGridCols);
  grid.SetCurrentCell(0, 0);
  grid.SetCellAlignment(0, 0, Qt::AlignCenter);
  for (int row = 1; row < kKavGridRows; ++row) {
    grid.SetCellAlignment(row, 0, Qt::AlignRight | Qt::AlignVCenter);
  }
  // A header wider than its column takes the second line of the header row.
  const Qt::Alignment wrapped = Qt::AlignCenter | Qt::Alignment::fromInt(Qt::TextWordWrap);
  for (int col = 1; col < kKavGridCols; ++col) {
    grid.SetCellAlignment(0, col, wrapped);
    for (int row = 1; row < kKavGridRows; ++row) grid.SetCellAlignment(row, col, Qt::AlignCenter);
    grid.SetCellToolTip(0, col, QString::fromStdString(GetKavColumnTip(static_cast<std::int16_t>(col))));
  }
  const ComEditFields& units = ComEdit().Fields();
  SetKavGridTexts(grid, units.unit, units.accUnit);
  FitKavGridSizes(grid);
}

std::string ResetGridCursor(platform::FlexGrid& grid) {
  grid.SetCurrentCell(1, 1);
  return grid.CellText(1, 1);
}

GridCursor CursorOf(const platform::FlexGrid& grid) {
  return {grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel(), grid.MouseRow(), grid.MouseCol()};
}

void SetKavGridHeaders(platform::FlexGrid& grid) {
  const ComEditFields& units = ComEdit().Fields();
  editors::SetKavGridHeaders(grid, units.unit, units.accUnit);
  FitKavGridSizes(grid);
}

}  // namespace editors
