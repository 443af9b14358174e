#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

// UI services for window tests: message boxes and file dialogs answer from a script, every
// request is recorded, and "process events" runs Qt's pending events plus an optional hook (a
// test clicks Cancel from there). An unscripted message box fails the test instead of blocking.
class ScriptedUi : public platform::UiServices {
 public:
  struct Message {
    std::string text;
    platform::MsgButtons buttons;
    platform::MsgIcon icon;
    std::string title;
  };

  ScriptedUi();
  ~ScriptedUi() override;

  platform::MsgAnswer MessageBox(const std::string& text, platform::MsgButtons buttons,
                                 platform::MsgIcon icon, const std::string& title) override;
  std::optional<std::string> FileDialog(const platform::FileDialogRequest& request) override;
  bool OpenDocument(const std::string& path) override;
  void ProcessEvents() override;
  // Runs onShowModal with the window (the test plays the user there); fails without it.
  void ShowModal(platform::ModalWindow& window) override;
  void ShowBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

  std::deque<platform::MsgAnswer> answers;               // next message box answers
  std::deque<std::optional<std::string>> dialogAnswers;  // next file dialog results
  std::function<void()> onProcessEvents;
  std::function<void(platform::ModalWindow&)> onShowModal;
  // Runs while a message box is up, once it is recorded (the test plays the user there).
  std::function<void(const Message&)> onMessage;
  bool documentOpens = true;

  std::vector<Message> messages;
  std::vector<platform::FileDialogRequest> dialogs;
  std::vector<std::string> documents;
  std::vector<platform::ModalWindow*> modalWindows;
  int processEventsCalls = 0;
  int busyDepth = 0;  // the busy pointer is shown while above 0
};
