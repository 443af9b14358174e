#pragma once
#include <QRect>
#include <QString>
#include <QTableWidget>

#include "platform/CellGrid.h"

class QLabel;

namespace platform {

constexpr int kTwipsPerPixel = 15;

// A grid with one fixed header row and one fixed header column, addressed the way the windows
// address their grids: cell (row, col) with row 0 and column 0 the headers, a current cell,
// a selection end, the cell under the mouse and the first visible row. The header row and
// column are the table's header views, so they stay in place when the body scrolls.
//
// The current cell is where the selection began: a drag, Shift+click or Shift+arrow moves only
// the selection end; a plain click or arrow moves the current cell and collapses the selection.
// (The item view's own current index is the end that moves.)
class FlexGrid : public QTableWidget, public CellGrid {
  Q_OBJECT

 public:
  explicit FlexGrid(QWidget* parent = nullptr);

  int Rows() const override { return rowCount() + 1; }
  int Cols() const override { return columnCount() + 1; }
  std::string CellText(int row, int col) const override {
    return TextMatrix(row, col).toStdString();
  }
  void SetCellText(int row, int col, const std::string& text) override {
    SetTextMatrix(row, col, QString::fromStdString(text));
  }
  void SetRows(int rows);
  void SetCols(int cols);

  // Hiding a grid that has the focus gives the focus up first: the item view would pass it on
  // as a Tab key, which moves the current cell.
  void setVisible(bool visible) override;

  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);
  void SetCellAlignment(int row, int col, Qt::Alignment alignment);
  // The tool tip shown while the mouse rests on the cell (header cells included).
  void SetCellToolTip(int row, int col, const QString& tip);

  // Current cell; 0 when the current cell is not in the body.
  int Row() const { return CurrentIndex().row() + 1; }
  int Col() const { return CurrentIndex().column() + 1; }
  // Makes the cell current and the only one selected.
  void SetCurrentCell(int row, int col);
  // Far corner of the selection (the current cell when nothing more is selected).
  int RowSel() const { return currentRow() + 1; }
  int ColSel() const { return currentColumn() + 1; }

  int TopRow() const;
  void SetTopRow(int row);
  int LeftCol() const;
  void SetLeftCol(int col);

  void SetColWidthTwips(int col, int twips);
  int ColWidthTwips(int col) const;
  void SetHeaderRowHeightTwips(int twips);
  // Whether the header text of the column (0: the corner's) reads whole in a header cell of
  // that size in pixels, wrapped as the header draws it.
  bool HeaderTextFits(int col, QSize cell) const;
  // The height in pixels of the lowest header row that holds that many lines of its font.
  int HeaderHeightForLines(int lines) const;

  // The current cell's rectangle in the grid's own coordinates (headers included).
  QRect CurrentCellRect() const;
  // The cell under the mouse where it last moved or was pressed over the body; 0 over the
  // headers.
  int MouseRow() const { return mouseRow_; }
  int MouseCol() const { return mouseCol_; }

 signals:
  void KeyDown(int keyCode, int shift);
  void KeyPress(int keyAscii);
  void DblClick();
  void GotFocus();
  void LeaveCell();
  void EnterCell();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void updateGeometries() override;
  void keyboardSearch(const QString&) override {}  // typing never jumps between cells

 private:
  QTableWidgetItem* HeaderItem(int row, int col) const;
  // The current cell's index: the corner of the selection opposite its moving end.
  QModelIndex CurrentIndex() const;
  void UpdateMouseCell(const QPoint& pos);

  QLabel* corner_;
  int mouseRow_ = 0;
  int mouseCol_ = 0;
};

}  // namespace platform
