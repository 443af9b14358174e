#include "editors/EditorForms.h"

#include "editors/FormComEdit.h"
#include "editors/FormKAV.h"
#include "editors/FormMonitor.h"
#include "editors/FormPosEdit.h"
#include "shell/Forms.h"

namespace editors {

void RegisterEditorForms() {
  RegisterFormComEdit();
  Forms::Register(FormId::Monitor, [] { return new FormMonitor; });
  RegisterFormPosEdit();
  RegisterFormKAV();
}

}  // namespace editors
