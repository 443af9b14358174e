// The point-table editor's grid: editing a cell in place through TextIn, the pop-up menu, copy
// and paste of cell blocks.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "editors/FormKAV.h"
#include "editors/KavCellKeys.h"
#include "editors/KavGridSetup.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/UiServices.h"
#include "platform/VirtualKey.h"
#include "shell/ModuleMain.h"
#include "shell/QtText.h"

void FormKAV::ConnectGrid() {
  using platform::FlexGrid;
  connect(PrgGrid, &QAbstractItemView::clicked, this, [this] { PrgGrid_Click(); });
  connect(PrgGrid, &FlexGrid::DblClick, this, &FormKAV::PrgGrid_DblClick);
  connect(PrgGrid->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
          [this](int section) { RowLabel_DblClick(section + 1); });
  connect(PrgGrid, &FlexGrid::KeyDown, this, [this](int keyCode, int) { PrgGrid_KeyDown(keyCode); });
  connect(PrgGrid, &FlexGrid::KeyPress, this, &FormKAV::PrgGrid_KeyPress);
  connect(PrgGrid, &FlexGrid::GotFocus, this, &FormKAV::SelectionChange);
  connect(PrgGrid, &QTableWidget::currentCellChanged, this, [this] { SelectionChange(); });
  connect(PrgGrid, &QTableWidget::itemSelectionChanged, this, &FormKAV::SelectionChange);
  // The right button opens the window's own pop-up menu and keeps a selection it falls into.
  PrgGrid->setContextMenuPolicy(Qt::PreventContextMenu);
  PrgGrid->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  PrgGrid->viewport()->installEventFilter(this);
  TextIn->installEventFilter(this);
}

bool FormKAV::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == PrgGrid->viewport()) {
    auto& mouse = static_cast<QMouseEvent&>(*event);
    if (mouse.button() == Qt::RightButton) {
      PrgGrid_RightButtonDown(mouse.position().toPoint());
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonRelease && watched == TextIn &&
      static_cast<QMouseEvent&>(*event).button() == Qt::LeftButton) {
    TextIn_Click();
  }
  return QMainWindow::eventFilter(watched, event);
}

bool FormKAV::EditActive() const { return cellEditor_->Editing(); }

void FormKAV::SetEditActive(bool active) { cellEditor_->SetEditing(active); }

// --- the editor's rules -----------------------------------------------------------------

platform::CellEditRules FormKAV::KavCellRules() {
  platform::CellEditRules rules;
  rules.accepts = [this](QChar& c, int) { return AcceptKeyChar(c); };
  rules.maxLength = [](int col) { return editors::EditMaxLength(col); };
  rules.commit = [this](int row, int col, const QString& text) {
    PrgGrid->SetTextMatrix(row, col, text);
  };
  rules.keyDown = [this](int keyCode) { return TextIn_KeyDown(keyCode); };
  rules.selectTakenText = true;
  return rules;
}

bool FormKAV::AcceptKeyChar(QChar& c) const {
  char32_t code = c.unicode();
  if (shell::UiLanguage == platform::kLangJapanese) code = editors::NarrowForm(code);
  code = editors::DecimalPointAsSign(code);
  if (!editors::IsValidKeyChar(code)) return false;
  c = QChar(static_cast<char16_t>(code)).toUpper();
  return true;
}

// The status panel shows where the cursor and the selection are; the editor follows the cell.
void FormKAV::SelectionChange() {
  StatusPanel2->setText(QStringLiteral("%1%2%3%4")
                            .arg(PrgGrid->Col())
                            .arg(PrgGrid->Row())
                            .arg(PrgGrid->ColSel())
                            .arg(PrgGrid->RowSel()));
  PlaceCellEditor();
  TextIn->setText(PrgGrid->TextMatrix(PrgGrid->Row(), PrgGrid->Col()));
}

// Typing starts the edit with what was typed, the caret behind it (TypedStart).
void FormKAV::BeginCellEdit(const QString& text) { cellEditor_->Begin(text, true); }

void FormKAV::PlaceCellEditor() { cellEditor_->Place(); }

void FormKAV::RememberClickedCell() {
  LastRow = PrgGrid->Row();
  LastCol = PrgGrid->Col();
}

// --- the grid's events --------------------------------------------------------------------

// A second click on the same cell opens the editor over it; a Shift+click that selects from the
// current cell on is no click on it.
void FormKAV::PrgGrid_Click() {
  const int row = PrgGrid->Row(), col = PrgGrid->Col();
  const bool onCurrentCell = PrgGrid->RowSel() == row && PrgGrid->ColSel() == col;
  SetEditActive(onCurrentCell && row == LastRow && col == LastCol);
  SelectionChange();
  RememberClickedCell();
}

void FormKAV::PrgGrid_DblClick() {
  if (PrgGrid->MouseRow() == 0) return;
  SetEditActive(true);
  SelectionChange();
  RememberClickedCell();
}

void FormKAV::RowLabel_DblClick(int row) {
  PrgGrid->SetCurrentCell(row, std::max(PrgGrid->Col(), 1));
  mnuQUIRN_Click();
  RememberClickedCell();
}

void FormKAV::PrgGrid_KeyDown(int keyCode) {
  switch (keyCode) {
    case platform::VK_RETURN:
      if (EditActive()) {
        if (PrgGrid->Row() < PrgGrid->Rows() - 1) {
          PrgGrid->SetCurrentCell(PrgGrid->Row() + 1, PrgGrid->Col());
          SetEditActive(false);
          SelectionChange();
        }
      } else {
        SelectionChange();
        cellEditor_->BeginWithCellText();  // the cell's text, all selected
      }
      RememberClickedCell();
      return;
    case platform::VK_ESCAPE:
      SetEditActive(false);
      SelectionChange();
      return;
    default:
      if (editors::IsMinusKey(keyCode)) BeginCellEdit(QStringLiteral("-"));
  }
}

// Keys carry the characters they type; those a cell takes start the edit.
void FormKAV::PrgGrid_KeyPress(int keyAscii) {
  QChar c(static_cast<char16_t>(keyAscii));
  if (AcceptKeyChar(c)) BeginCellEdit(QString(c));
}

void FormKAV::PrgGrid_RightButtonDown(const QPoint& position) {
  const QModelIndex cell = PrgGrid->indexAt(position);
  editors::GridCursor cursor = editors::CursorOf(*PrgGrid);
  cursor.mouseRow = cell.isValid() ? cell.row() + 1 : 0;
  cursor.mouseCol = cell.isValid() ? cell.column() + 1 : 0;
  if (cell.isValid() && !editors::IsMouseInSelection(cursor)) {
    PrgGrid->SetCurrentCell(cursor.mouseRow, cursor.mouseCol);
    SelectionChange();
  }
  mnuPopUp->popup(PrgGrid->viewport()->mapToGlobal(position));
}

// --- the editor's events ------------------------------------------------------------------

bool FormKAV::TextIn_KeyDown(int keyCode) {
  switch (keyCode) {
    case platform::VK_ESCAPE:
      cellEditor_->Cancel();
      SelectionChange();
      PrgGrid->setFocus();
      return true;
    case platform::VK_RETURN:
      cellEditor_->Commit();
      if (PrgGrid->Row() + 1 < PrgGrid->Rows()) {
        PrgGrid->SetCurrentCell(PrgGrid->Row() + 1, PrgGrid->Col());
      }
      SelectionChange();
      PrgGrid->setFocus();
      return true;
    default: break;
  }
  if (!editors::IsMinusKey(keyCode)) return false;
  // A minus typed at the start turns the text into a sign to type the number behind; the
  // character itself is no cell character and goes nowhere.
  const int start = TextIn->hasSelectedText() ? TextIn->selectionStart() : TextIn->cursorPosition();
  if (start != 0) return false;
  TextIn->setText(QStringLiteral("-"));
  TextIn->setCursorPosition(1);
  return true;
}

void FormKAV::TextIn_Click() {
  PrgGrid->SetTextMatrix(PrgGrid->Row(), PrgGrid->Col(), TextIn->text());
  PrgGrid->setFocus();
}

// --- copy and paste -----------------------------------------------------------------------

void FormKAV::mnuCopy_Click() {
  shell::CopyBuffer =
      editors::CopyGridSelection(editors::kKavCopyKind, *PrgGrid, editors::CursorOf(*PrgGrid));
}

void FormKAV::mnuPaste_Click() {
  const editors::PasteResult result = editors::PasteGridText(
      shell::CopyBuffer, editors::kKavCopyKind, *PrgGrid, editors::CursorOf(*PrgGrid));
  if (result == editors::PasteResult::ColumnsMismatch) {
    platform::Ui().MessageBox(resources::Text(resources::Txt::CantPaste), platform::MsgButtons::Ok,
                              platform::MsgIcon::Exclamation, "");
  }
  // An editor open over the current cell shows what was pasted there.
  SelectionChange();
}
