#pragma once
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <functional>

#include "ScriptedUi.h"
#include "platform/ModalDialog.h"

// Shows `form` modal through the services, as its caller does, and plays the user on it while
// it is up: the window is shown and active when `user` runs.
template <class Form>
void PlayModal(ScriptedUi& ui, Form& form, const std::function<void(Form&)>& user) {
  ui.onShowModal = [&](platform::ModalWindow& window) {
    ASSERT_EQ(&window, static_cast<platform::ModalWindow*>(&form));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    user(form);
  };
  platform::Ui().ShowModal(form);
}

// Replaces the text of a box as typing would, leaving the focus there.
inline void TypeInto(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
}
