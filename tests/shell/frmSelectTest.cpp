#include <gtest/gtest.h>

#include <QTest>

#include "resources/UiText.h"
#include "shell/ModuleMain.h"
#include "shell/frmSelect.h"

namespace {

class frmSelectTest : public testing::Test {
 protected:
  void SetUp() override { resources::LoadUiText(4000); }
  void TearDown() override { shell::UiFontName.clear(); }
};

TEST_F(frmSelectTest, PropertiesAndCaptions) {
  shell::UiFontName = "Test Face";
  frmSelect dialog;
  dialog.SetCapMsg("Which one?");
  dialog.SetCapSelect0("First");
  dialog.SetCapSelect2("Third");
  dialog.SetVisibleSelect1(false);
  EXPECT_EQ(dialog.CapMsg(), "Which one?");
  EXPECT_EQ(dialog.CapSelect0(), "First");
  EXPECT_EQ(dialog.CapSelect1(), "");
  EXPECT_EQ(dialog.CapSelect2(), "Third");
  EXPECT_TRUE(dialog.VisibleSelect0());
  EXPECT_FALSE(dialog.VisibleSelect1());
  EXPECT_TRUE(dialog.VisibleSelect2());
  dialog.show();
  EXPECT_FALSE(dialog.CmdSelect1->isVisible());
  EXPECT_EQ(dialog.CmdCancel->text(), "Cancel");
  EXPECT_EQ(dialog.LblMsg->font().family(), "Test Face");
  EXPECT_EQ(dialog.CmdCancel->font().family(), "Test Face");
  EXPECT_EQ(dialog.Selection(), 0);
}

TEST_F(frmSelectTest, AChoiceSetsSelectionAndCloses) {
  for (int index = 0; index < 3; ++index) {
    frmSelect dialog;
    QPushButton* choices[] = {dialog.CmdSelect0, dialog.CmdSelect1, dialog.CmdSelect2};
    dialog.SetSelection(-1);
    dialog.show();
    QTest::mouseClick(choices[index], Qt::LeftButton);
    EXPECT_EQ(dialog.Selection(), index);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

TEST_F(frmSelectTest, CancelAndEscLeaveSelection) {
  for (bool byEsc : {false, true}) {
    frmSelect dialog;
    dialog.SetSelection(-1);
    dialog.show();
    if (byEsc) {
      QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
      QTest::mouseClick(dialog.CmdCancel, Qt::LeftButton);
    }
    EXPECT_EQ(dialog.Selection(), -1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

}  // namespace
