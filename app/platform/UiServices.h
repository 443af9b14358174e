#pragma once
#include <optional>
#include <string>

// The one seam through which the program asks for anything modal or event-related: message
// boxes, file dialogs, the help viewer and "let pending events run". The program installs the Qt
// implementation; tests install a scripted one, so no test ever waits on a modal window.
namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  bool save = false;              // save dialog, else open dialog
  std::string proposedName;       // full path or bare name proposed to the user
  std::string startFolder;
  std::string filter;             // "description|pattern[|description|pattern...]"
  bool confirmOverwrite = false;  // save dialogs: ask before replacing a file
};

// A window that is shown modal through the services (the editors' dialogs).
class ModalWindow {
 public:
  virtual ~ModalWindow() = default;
  // Shows the window modal and returns once it has closed.
  virtual void RunModal() = 0;
};

class UiServices {
 public:
  virtual ~UiServices() = default;

  virtual MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) = 0;

  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;

  // Opens a document (the help file) with the desktop's viewer; false when that failed.
  virtual bool OpenDocument(const std::string& path) = 0;

  // Lets pending window events run (a transfer loop calls it between its steps).
  virtual void ProcessEvents() = 0;

  // Shows a window modal and returns once it has closed; the caller reads the outcome from it.
  virtual void ShowModal(ModalWindow& window) = 0;

  // Shows over every window that the program is at work (the busy pointer) from true to the
  // matching false; calls nest. Programs without windows show nothing.
  virtual void ShowBusy(bool /*busy*/) {}
};

// The installed services. Installing nullptr is allowed only at shutdown.
UiServices& Ui();
void SetUi(UiServices* services);

// How the program tells what went wrong: the text with OK and the exclamation icon.
void Warn(const std::string& text);

}  // namespace platform
