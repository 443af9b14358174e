#pragma once
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

// Enters a number written with "." into the box in each way a user can: typed, typed with the
// keypad's decimal key for each ".", and pasted over the box's text. Each way must leave `shown`
// in the box; the last leaves it there with the focus in the box.
inline void EnterEveryWay(QLineEdit* box, const QString& text, const QString& shown) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
  EXPECT_EQ(box->text(), shown) << "typed " << text.toStdString();
  box->selectAll();
  for (const QChar c : text) {
    if (c == u'.') {
      QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
    } else {
      QTest::keyClicks(box, QString(c));
    }
  }
  EXPECT_EQ(box->text(), shown) << "typed on the keypad " << text.toStdString();
  QGuiApplication::clipboard()->setText(text);
  box->selectAll();
  box->paste();
  EXPECT_EQ(box->text(), shown) << "pasted " << text.toStdString();
}
