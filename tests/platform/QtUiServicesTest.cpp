#include "platform/QtUiServices.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>

#include "platform/ModalDialog.h"

using platform::AnswerFor;
using platform::MsgAnswer;
using platform::MsgButtons;

TEST(QtUiServices, TheClickedButtonIsTheAnswer) {
  EXPECT_EQ(AnswerFor(QMessageBox::Ok, MsgButtons::OkCancel), MsgAnswer::Ok);
  EXPECT_EQ(AnswerFor(QMessageBox::Cancel, MsgButtons::OkCancel), MsgAnswer::Cancel);
  EXPECT_EQ(AnswerFor(QMessageBox::Ok, MsgButtons::Ok), MsgAnswer::Ok);
  EXPECT_EQ(AnswerFor(QMessageBox::Yes, MsgButtons::YesNoCancel), MsgAnswer::Yes);
  EXPECT_EQ(AnswerFor(QMessageBox::No, MsgButtons::YesNo), MsgAnswer::No);
}

TEST(QtUiServices, ABoxClosedWithoutAButtonAnswersAsEsc) {
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, MsgButtons::Ok), MsgAnswer::Ok);
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, MsgButtons::OkCancel), MsgAnswer::Cancel);
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, MsgButtons::YesNo), MsgAnswer::No);
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
}

TEST(QtUiServices, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(platform::QtNameFilters("ZEL files (*.zhel)|*.zel"), "ZEL files (*.zhel) (*.zel)");
  EXPECT_EQ(platform::QtNameFilters("A|*.a|B|*.b"), "A (*.a);;B (*.b)");
  EXPECT_EQ(platform::QtNameFilters("dangling"), "");
}

TEST(QtUiServices, AModalWindowRunsUntilItCloses) {
  struct Dialog : platform::ModalDialog {
    int shown = 0;
    void showEvent(QShowEvent*) override {
      ++shown;
      QTimer::singleShot(0, this, &QDialog::accept);  // the user's OK
    }
  } dialog;
  platform::QtUiServices ui;
  ui.ShowModal(dialog);
  EXPECT_EQ(dialog.shown, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}
