#include "ScriptedUi.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

ScriptedUi::ScriptedUi() { platform::SetUi(this); }

ScriptedUi::~ScriptedUi() { platform::SetUi(nullptr); }

platform::MsgAnswer ScriptedUi::MessageBox(const std::string& text, platform::MsgButtons buttons,
                                           platform::MsgIcon icon, const std::string& title) {
  messages.push_back({text, buttons, icon, title});
  if (onMessage) onMessage(Message(messages.back()));  // a copy: the hook may add messages
  if (answers.empty()) {
    if (buttons == platform::MsgButtons::Ok) return platform::MsgAnswer::Ok;
    ADD_FAILURE() << "unscripted message box: " << text;
    return platform::MsgAnswer::Cancel;
  }
  const platform::MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::FileDialog(const platform::FileDialogRequest& request) {
  dialogs.push_back(request);
  if (dialogAnswers.empty()) {
    ADD_FAILURE() << "unscripted file dialog for " << request.proposedName;
    return std::nullopt;
  }
  std::optional<std::string> answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  return answer;
}

bool ScriptedUi::OpenDocument(const std::string& path) {
  documents.push_back(path);
  return documentOpens;
}

void ScriptedUi::ProcessEvents() {
  ++processEventsCalls;
  QCoreApplication::processEvents();
  if (onProcessEvents) onProcessEvents();
}

void ScriptedUi::ShowModal(platform::ModalWindow& window) {
  modalWindows.push_back(&window);
  if (!onShowModal) {
    ADD_FAILURE() << "unscripted modal window";
    return;
  }
  onShowModal(window);
}
