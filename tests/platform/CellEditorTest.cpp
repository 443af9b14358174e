#include "platform/CellEditor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "platform/FlexGrid.h"

namespace {

// A grid whose cells take three typed characters, with the editor box beside it.
class CellEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    grid.SetCols(4);
    grid.SetRows(4);
    grid.SetCurrentCell(1, 1);
    rules.maxLength = [](int) { return 3; };
    rules.commit = [this](int row, int col, const QString& text) {
      grid.SetTextMatrix(row, col, text);
    };
  }

  void Type(const QString& keys) { QTest::keyClicks(&box, keys); }

  QWidget window;
  platform::FlexGrid grid{&window};
  QLineEdit box{&window};
  platform::CellEditRules rules;
};

}  // namespace

TEST_F(CellEditorTest, ALongerCellTextShowsWholeAndCommitsUnchanged) {
  platform::CellEditor editor(grid, box, rules);
  grid.SetTextMatrix(1, 1, "123456");
  editor.BeginWithCellText();
  EXPECT_EQ(box.text(), "123456");
  editor.Commit();
  EXPECT_EQ(grid.TextMatrix(1, 1), "123456");

  box.setText("abcdefgh");  // a window showing another cell's text
  EXPECT_EQ(box.text(), "abcdefgh");
}

TEST_F(CellEditorTest, TypingAndPastingStayWithinTheLimit) {
  platform::CellEditor editor(grid, box, rules);
  grid.SetTextMatrix(1, 1, "12345");
  editor.BeginWithCellText();
  box.end(false);
  Type("6");  // no longer than it was
  EXPECT_EQ(box.text(), "12345");
  QTest::keyClick(&box, Qt::Key_Backspace);  // shortening always works
  EXPECT_EQ(box.text(), "1234");
  box.setSelection(1, 1);
  Type("9");  // the same length, still over the limit
  EXPECT_EQ(box.text(), "1234");
  QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // undoing the shortening
  EXPECT_EQ(box.text(), "12345");
  Type("7");
  EXPECT_EQ(box.text(), "12345");

  box.setSelection(1, 3);
  Type("8");  // a replaced selection counts: 3 characters
  EXPECT_EQ(box.text(), "185");
  Type("9");
  EXPECT_EQ(box.text(), "185");
  box.setSelection(0, 3);
  Type("12");
  EXPECT_EQ(box.text(), "12");
  QApplication::clipboard()->setText(QStringLiteral("34"));
  box.paste();
  EXPECT_EQ(box.text(), "12");
  box.setSelection(1, 1);
  box.paste();
  EXPECT_EQ(box.text(), "134");
}

TEST_F(CellEditorTest, TheLimitIsTheCurrentColumnsWhenTyped) {
  rules.maxLength = [](int col) { return col; };
  platform::CellEditor editor(grid, box, rules);
  editor.Begin(QStringLiteral("1"), true);
  Type("2");
  EXPECT_EQ(box.text(), "1");
  grid.SetCurrentCell(1, 3);
  Type("23");
  EXPECT_EQ(box.text(), "123");
}
