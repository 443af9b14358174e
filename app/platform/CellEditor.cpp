#include "platform/CellEditor.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QValidator>

#include "platform/FlexGrid.h"
#include "platform/VirtualKey.h"

namespace platform {

namespace {

// A cell narrower than a pixel (a column kept out of sight) still gets a box one can type into.
constexpr int kNarrowCellTwips = 160;

// Whether `after` is `before` with one stretch of characters taken out.
bool IsCutFrom(const QString& before, const QString& after) {
  if (after.size() >= before.size()) return false;
  qsizetype head = 0;
  while (head < after.size() && after[head] == before[head]) ++head;
  return QStringView(before).right(after.size() - head) == QStringView(after).mid(head);
}

// The longest text typing or pasting may make. A text the program puts into the box passes
// whole: a cell may hold a longer one than can be typed (the data's own value), and a box that
// cut it would store the cut text. Deleting and undoing pass too. The box's own length limit
// would cut every text it is given, so the limit lives here.
class TypedLengthLimit : public QValidator {
 public:
  TypedLengthLimit(QLineEdit& box, std::function<int()> limit)
      : QValidator(&box), box_(box), limit_(std::move(limit)) {}

  State validate(QString& input, int&) const override {
    const int limit = limit_();
    // Setting a text clears the box's edit history; an undo leaves something to redo.
    const bool typed = box_.isUndoAvailable() && !box_.isRedoAvailable();
    const bool fits =
        !typed || limit <= 0 || input.size() <= limit || IsCutFrom(shown_, input);
    if (fits) shown_ = input;
    return fits ? Acceptable : Invalid;  // an edit found invalid is taken back by the box
  }

 private:
  QLineEdit& box_;
  std::function<int()> limit_;
  mutable QString shown_;  // the box's text as last let through
};

}  // namespace

CellEditor::CellEditor(FlexGrid& grid, QLineEdit& box, CellEditRules rules)
    : QObject(&box), grid_(grid), box_(box), rules_(std::move(rules)) {
  box_.installEventFilter(this);
  if (rules_.maxLength) {
    box_.setValidator(new TypedLengthLimit(box_, [this] { return rules_.maxLength(grid_.Col()); }));
  }
  // A scrolled grid moves the cell away from the box.
  connect(grid_.verticalScrollBar(), &QScrollBar::valueChanged, this, &CellEditor::Place);
  connect(grid_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &CellEditor::Place);
}

void CellEditor::Begin(const QString& text, bool typed) {
  if (grid_.Row() < 1 || grid_.Col() < 1) return;
  if (typed) {
    box_.setText(text);
  } else {
    const QSignalBlocker quiet(&box_);
    box_.setText(text);
  }
  editing_ = true;
  Place();
  box_.raise();
  box_.setFocus();
  if (!typed && rules_.selectTakenText) {
    box_.selectAll();
  } else {
    box_.deselect();
    box_.setCursorPosition(box_.text().size());
  }
}

void CellEditor::BeginWithCellText() { Begin(grid_.TextMatrix(grid_.Row(), grid_.Col()), false); }

void CellEditor::Place() {
  QRect cell = grid_.CurrentCellRect();
  if (grid_.Row() >= 1 && grid_.Col() >= 1 && cell.width() < 1) {
    cell.setWidth(kNarrowCellTwips / kTwipsPerPixel);
  }
  const bool inView = cell.isValid() && grid_.viewport()->geometry().intersects(cell);
  if (inView) box_.setGeometry(cell.translated(grid_.geometry().topLeft()));
  box_.setVisible(editing_ && inView);
}

bool CellEditor::Commit() {
  if (!editing_) return false;
  editing_ = false;
  // Hiding the focused box moves the focus on, which may refill the box; the edit is taken first.
  const QString text = box_.text();
  const int row = grid_.Row(), col = grid_.Col();
  box_.hide();
  if (rules_.commit) rules_.commit(row, col, text);
  return true;
}

void CellEditor::Cancel() {
  editing_ = false;
  box_.hide();
}

bool CellEditor::FilterCharacter(QKeyEvent& key) {
  const QString text = key.text();
  if (text.size() != 1 || text.at(0).unicode() < 0x20 || !rules_.accepts) return false;
  QChar c = text.at(0);
  if (!rules_.accepts(c, grid_.Col())) return true;
  if (c == text.at(0)) return false;
  box_.insert(QString(c));
  return true;
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &box_ || event->type() != QEvent::KeyPress) return false;
  auto& key = static_cast<QKeyEvent&>(*event);
  if (rules_.keyDown && rules_.keyDown(VirtualKeyCode(key))) return true;
  return FilterCharacter(key);
}

}  // namespace platform
