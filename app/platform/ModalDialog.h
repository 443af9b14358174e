#pragma once
#include <QDialog>

#include "platform/UiServices.h"

namespace platform {

// A dialog the services show modal: the editors derive from it and are shown through Ui().
class ModalDialog : public QDialog, public ModalWindow {
 public:
  using QDialog::QDialog;
  void RunModal() override { exec(); }
};

}  // namespace platform
