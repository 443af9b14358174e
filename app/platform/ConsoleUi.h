#pragma once
#include "platform/UiServices.h"

namespace platform {

// UI services for programs without windows (the simulator's front end, the benchmarks): a
// message goes to stderr and is answered OK; no file is chosen, no window shown.
class ConsoleUi : public UiServices {
 public:
  MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  bool OpenDocument(const std::string&) override { return false; }
  void ProcessEvents() override {}
  void ShowModal(ModalWindow&) override {}
};

}  // namespace platform
