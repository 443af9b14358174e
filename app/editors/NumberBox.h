#pragma once

class QLineEdit;
class QWidget;

namespace editors {

// A box of the editors' dialogs that shows or takes a number: of one width, right-aligned, and
// taking "." as the decimal sign in use.
QLineEdit* NumberBox(QWidget* parent);

}  // namespace editors
