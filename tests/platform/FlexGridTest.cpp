#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

TEST(FlexGrid, HidingTheFocusedGridKeepsItsCurrentCell) {
  QWidget window;
  auto* grid = new platform::FlexGrid(&window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(grid);
  layout->addWidget(new QLineEdit(&window));  // somewhere else the focus could go
  grid->SetCols(5);
  grid->SetRows(4);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  grid->SetCurrentCell(2, 3);
  grid->setFocus();
  ASSERT_TRUE(grid->hasFocus());

  grid->hide();
  grid->show();

  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Col(), 3);
}
