#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QChar;
class QKeyEvent;
class QLineEdit;

namespace platform {

class FlexGrid;

// What a grid's window decides about editing its cells.
struct CellEditRules {
  // Characters a cell takes; may change the character (upper case, narrow form). False drops
  // it. Control characters (Backspace) always pass. Empty: every character.
  std::function<bool(QChar& c, int col)> accepts;
  // The longest text typing or pasting may make in a cell of the column (a replaced selection
  // counts); texts the program puts into the editor, a cell's own included, show whole.
  // 0 or empty: no limit.
  std::function<int(int col)> maxLength;
  // Takes the edited text into the cell.
  std::function<void(int row, int col, const QString& text)> commit;
  // Keys pressed in the editor, as virtual key codes, before the editor sees them; true when
  // the window took the key (Enter, Esc, arrows ...).
  std::function<bool(int keyCode)> keyDown;
  // Editing that starts with the cell's own text selects it (else the caret goes behind it).
  bool selectTakenText = false;
};

// The one in-cell editor: a text box laid over the current cell of a grid while a cell is
// edited. The window keeps its controls; this holds the behaviour they share.
class CellEditor : public QObject {
 public:
  CellEditor(FlexGrid& grid, QLineEdit& box, CellEditRules rules);

  // Starts editing the current cell with text: typed (the caret behind the typed character,
  // the change reported) or taken from the cell (quietly, no edit yet).
  void Begin(const QString& text, bool typed);
  // Starts editing with the current cell's own text.
  void BeginWithCellText();

  // Puts the box over the current cell; while that cell is scrolled out of view the box hides.
  void Place();

  // Takes the box's text into the cell and ends the edit; false when nothing was being edited.
  bool Commit();
  // Ends the edit and drops the text.
  void Cancel();

  // Marks an edit as open or closed, leaving the box's text and the focus alone; Place() then
  // shows or hides the box (for a window whose box stays up over a cell the grid still drives).
  void SetEditing(bool editing) { editing_ = editing; }

  bool Editing() const { return editing_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FilterCharacter(QKeyEvent& key);

  FlexGrid& grid_;
  QLineEdit& box_;
  CellEditRules rules_;
  bool editing_ = false;
};

}  // namespace platform
