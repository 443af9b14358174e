#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

// UI services for tests without windows: message boxes are recorded and answered OK, "process
// events" runs an optional hook, the busy pointer is counted; a file dialog or a modal window
// fails the test. Installed for the object's lifetime.
struct RecordingUi : platform::UiServices {
  struct Message {
    std::string text;
    platform::MsgIcon icon;
  };

  RecordingUi() { platform::SetUi(this); }
  ~RecordingUi() override { platform::SetUi(nullptr); }

  platform::MsgAnswer MessageBox(const std::string& text, platform::MsgButtons,
                                 platform::MsgIcon icon, const std::string&) override {
    messages.push_back({text, icon});
    return platform::MsgAnswer::Ok;
  }
  std::optional<std::string> FileDialog(const platform::FileDialogRequest&) override {
    ADD_FAILURE() << "unexpected file dialog";
    return std::nullopt;
  }
  bool OpenDocument(const std::string&) override { return false; }
  void ProcessEvents() override {
    if (onProcessEvents) onProcessEvents();
  }
  void ShowModal(platform::ModalWindow&) override { ADD_FAILURE() << "unexpected modal window"; }
  void ShowBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

  std::vector<Message> messages;
  std::function<void()> onProcessEvents;  // a test clicks Cancel from here
  int busyDepth = 0;                      // the busy pointer is shown while above 0
};

