#pragma once
#include <QString>

#include "platform/UiServices.h"

namespace platform {

// The program's UI services on Qt Widgets.
class QtUiServices : public UiServices {
 public:
  MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  bool OpenDocument(const std::string& path) override;
  void ProcessEvents() override;
  void ShowModal(ModalWindow& window) override;
  void ShowBusy(bool busy) override;
};

// The answer for the message box button that closed the box (a QMessageBox::StandardButton).
MsgAnswer AnswerFor(int clicked, MsgButtons buttons);

// "description|pattern|description|pattern" -> Qt's "description (pattern);;..." form.
QString QtNameFilters(const std::string& filter);

}  // namespace platform
