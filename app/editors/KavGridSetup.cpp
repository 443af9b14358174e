#include "editors/KavGridSetup.h"

#include "editors/ComEditCore.h"
#include "platform/FlexGrid.h"
#include "shell/QtFonts.h"

namespace editors {

void SetUpKavGrid(platform::FlexGrid& grid) {
  grid.setFont(shell::QtFont(shell::GridFont));
  grid.SetRows(kKavGridRows);
  grid.SetCols(kKavGridCols);
  grid.SetCurrentCell(0, 0);
  grid.SetHeaderRowHeightTwips(kHeaderRowTwips);
  grid.SetCellAlignment(0, 0, Qt::AlignCenter);
  for (int row = 1; row < kKavGridRows; ++row) {
    grid.SetCellAlignment(row, 0, Qt::AlignRight | Qt::AlignVCenter);
  }
  // A header wider than its column takes the second line of the header row.
  const Qt::Alignment wrapped = Qt::AlignCenter | Qt::Alignment::fromInt(Qt::TextWordWrap);
  for (int col = 0; col < kKavGridCols; ++col) {
    grid.SetColWidthTwips(col, KavColumnWidthTwips(col));
    if (col == 0) continue;
    grid.SetCellAlignment(0, col, wrapped);
    for (int row = 1; row < kKavGridRows; ++row) grid.SetCellAlignment(row, col, Qt::AlignCenter);
    grid.SetCellToolTip(0, col, QString::fromStdString(GetKavColumnTip(static_cast<std::int16_t>(col))));
  }
  const ComEditFields& units = ComEdit().Fields();
  SetKavGridTexts(grid, units.unit, units.accUnit);
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
}

}  // namespace editors
