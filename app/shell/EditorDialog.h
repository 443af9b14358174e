#pragma once
#include <QCloseEvent>

#include "axisdata/TransferLoop.h"
#include "platform/ModalDialog.h"
#include "shell/BusyGuard.h"

namespace shell {

// A modal editor of the program: Esc and the close box mean its Cancel, and neither acts while
// a loop runs.
class EditorDialog : public platform::ModalDialog {
 public:
  using platform::ModalDialog::ModalDialog;

 protected:
  // The editor's own Cancel: unloads it, dropping what was not stored.
  virtual void Cancel() = 0;

  void closeEvent(QCloseEvent* event) override {
    if (RefuseCloseWhileBusy(*event)) return;
    platform::ModalDialog::closeEvent(event);  // runs reject()
  }
  void reject() override {
    if (!axisdata::LoopRunning()) Cancel();
  }
};

}  // namespace shell
