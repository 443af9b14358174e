#include "platform/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include "platform/VirtualKey.h"

namespace platform {

namespace {

// A key that moves the cursor and, without Shift, collapses the selection (Shift+Tab too).
bool IsPlainMove(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backtab: return true;
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Left: case Qt::Key_Right:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
    case Qt::Key_Tab:
      return !event.modifiers().testFlag(Qt::ShiftModifier);
    default: return false;
  }
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent), corner_(new QLabel(this)) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setCornerButtonEnabled(false);
  setMouseTracking(true);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  corner_->setAlignment(Qt::AlignCenter);
  corner_->setAutoFillBackground(true);
  corner_->setBackgroundRole(QPalette::Button);
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int row, int col, int prevRow, int prevCol) {
            if (prevRow >= 0 && prevCol >= 0) emit LeaveCell();
            if (row >= 0 && col >= 0) emit EnterCell();
          });
}

void FlexGrid::setVisible(bool visible) {
  if (!visible && hasFocus()) clearFocus();
  QTableWidget::setVisible(visible);
}

void FlexGrid::SetRows(int rows) {
  setRowCount(rows > 1 ? rows - 1 : 0);
  for (int r = 0; r < rowCount(); ++r) {
    if (verticalHeaderItem(r) == nullptr) setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
    for (int c = 0; c < columnCount(); ++c) {
      if (item(r, c) == nullptr) setItem(r, c, new QTableWidgetItem(QString()));
    }
  }
}

void FlexGrid::SetCols(int cols) {
  setColumnCount(cols > 1 ? cols - 1 : 0);
  for (int c = 0; c < columnCount(); ++c) {
    if (horizontalHeaderItem(c) == nullptr) {
      setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    }
  }
  SetRows(Rows());
}

QTableWidgetItem* FlexGrid::HeaderItem(int row, int col) const {
  if (row == 0 && col >= 1 && col <= columnCount()) return horizontalHeaderItem(col - 1);
  if (col == 0 && row >= 1 && row <= rowCount()) return verticalHeaderItem(row - 1);
  if (row >= 1 && col >= 1 && row <= rowCount() && col <= columnCount()) {
    return item(row - 1, col - 1);
  }
  return nullptr;
}

QString FlexGrid::TextMatrix(int row, int col) const {
  if (row == 0 && col == 0) return corner_->text();
  const QTableWidgetItem* it = HeaderItem(row, col);
  return it != nullptr ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (row == 0 && col == 0) {
    corner_->setText(text);
    return;
  }
  if (QTableWidgetItem* it = HeaderItem(row, col)) it->setText(text);
}

void FlexGrid::SetCellAlignment(int row, int col, Qt::Alignment alignment) {
  if (row == 0 && col == 0) {
    corner_->setAlignment(alignment);
    return;
  }
  if (QTableWidgetItem* it = HeaderItem(row, col)) it->setTextAlignment(alignment);
}

void FlexGrid::SetCellToolTip(int row, int col, const QString& tip) {
  if (row == 0 && col == 0) {
    corner_->setToolTip(tip);
    return;
  }
  if (QTableWidgetItem* it = HeaderItem(row, col)) it->setToolTip(tip);
}

void FlexGrid::SetCurrentCell(int row, int col) {
  if (row >= 1 && col >= 1 && row <= rowCount() && col <= columnCount()) {
    setCurrentCell(row - 1, col - 1);
  } else {
    setCurrentCell(-1, -1);
  }
}

QModelIndex FlexGrid::CurrentIndex() const {
  // The view selects from where the selection began to its own current index, so the cell where
  // it began is the opposite corner of the selected block.
  const QModelIndex end = currentIndex();
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (!end.isValid() || ranges.isEmpty()) return end;
  const QTableWidgetSelectionRange& r = ranges.first();
  const bool rowEdge = end.row() == r.topRow() || end.row() == r.bottomRow();
  const bool colEdge = end.column() == r.leftColumn() || end.column() == r.rightColumn();
  const bool inside = r.leftColumn() <= end.column() && end.column() <= r.rightColumn() &&
                      r.topRow() <= end.row() && end.row() <= r.bottomRow();
  if (!inside || !rowEdge || !colEdge) return end;  // a selection made otherwise
  return model()->index(end.row() == r.topRow() ? r.bottomRow() : r.topRow(),
                        end.column() == r.leftColumn() ? r.rightColumn() : r.leftColumn());
}

int FlexGrid::TopRow() const { return verticalScrollBar()->value() + 1; }
void FlexGrid::SetTopRow(int row) { verticalScrollBar()->setValue(row - 1); }
int FlexGrid::LeftCol() const { return horizontalScrollBar()->value() + 1; }
void FlexGrid::SetLeftCol(int col) { horizontalScrollBar()->setValue(col - 1); }

void FlexGrid::SetColWidthTwips(int col, int twips) {
  const int px = twips / kTwipsPerPixel;
  if (col == 0) {
    verticalHeader()->setFixedWidth(px);
  } else if (col <= columnCount()) {
    setColumnWidth(col - 1, px);
  }
  updateGeometries();
}

int FlexGrid::ColWidthTwips(int col) const {
  const int px = col == 0 ? verticalHeader()->width() : columnWidth(col - 1);
  return px * kTwipsPerPixel;
}

void FlexGrid::SetHeaderRowHeightTwips(int twips) {
  horizontalHeader()->setFixedHeight(twips / kTwipsPerPixel);
  updateGeometries();
}

namespace {

// Whether the text, drawn with the flags, stays inside the room a header section of that size
// leaves it.
bool FitsHeaderSection(const QHeaderView& header, QSize section, int flags, const QString& text) {
  QStyleOptionHeader option;
  option.initFrom(&header);
  option.rect = QRect(QPoint(), section);
  const QRect room = header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
  return room.contains(QFontMetrics(header.font()).boundingRect(room, flags, text));
}

}  // namespace

bool FlexGrid::HeaderTextFits(int col, QSize cell) const {
  const QString text = TextMatrix(0, col);
  if (col == 0) {  // the corner's one line, without margins
    const QRect room(QPoint(), cell);
    const QFontMetrics metrics(corner_->font());
    return room.contains(metrics.boundingRect(room, int(corner_->alignment()), text));
  }
  const QTableWidgetItem* item = HeaderItem(0, col);
  return item == nullptr ||
         FitsHeaderSection(*horizontalHeader(), cell, item->textAlignment(), text);
}

int FlexGrid::HeaderHeightForLines(int lines) const {
  const QString probe = QStringList(lines, QStringLiteral("0")).join(QLatin1Char('\n'));
  constexpr int kWide = 1000;
  int height = 1;
  while (!FitsHeaderSection(*horizontalHeader(), {kWide, height}, Qt::AlignCenter, probe)) ++height;
  return height;
}

QRect FlexGrid::CurrentCellRect() const {
  const QModelIndex current = CurrentIndex();
  if (!current.isValid()) return {};
  return visualRect(current).translated(viewport()->geometry().topLeft());
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(VirtualKeyCode(*event), ShiftState(*event));
  // A key-down handler that moved the focus (to an in-cell editor) has taken the key.
  const auto focusMoved = [this] { return window()->focusWidget() != this; };
  if (focusMoved()) return;
  const QString text = event->text();
  if (text.size() == 1 && text.at(0).unicode() != 0) {
    const int code = text.at(0).unicode();
    if (code != '\t') {  // Tab moves between cells and controls; it is no character
      emit KeyPress(code);
      if (focusMoved()) return;
    }
  }
  // The view moves from its own current index, the selection's moving end; a plain move starts
  // from the current cell.
  const QModelIndex current = CurrentIndex();
  if (IsPlainMove(*event) && current != currentIndex()) {
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
  }
  QTableWidget::keyPressEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
  UpdateMouseCell(event->position().toPoint());
  QTableWidget::mousePressEvent(event);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  UpdateMouseCell(event->position().toPoint());
  QTableWidget::mouseDoubleClickEvent(event);
  emit DblClick();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
  UpdateMouseCell(event->position().toPoint());
  QTableWidget::mouseMoveEvent(event);
}

void FlexGrid::UpdateMouseCell(const QPoint& pos) {
  const QModelIndex index = indexAt(pos);
  mouseRow_ = index.isValid() ? index.row() + 1 : 0;
  mouseCol_ = index.isValid() ? index.column() + 1 : 0;
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  emit GotFocus();
}

void FlexGrid::updateGeometries() {
  QTableWidget::updateGeometries();
  const int left = frameWidth();
  corner_->setGeometry(left, left, verticalHeader()->width(), horizontalHeader()->height());
  corner_->raise();
}

}  // namespace platform
