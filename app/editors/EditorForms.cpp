#include "editors/EditorForms.h"

#include "editors/FormMonitor.h"
#include "shell/Forms.h"

namespace editors {

void RegisterEditorForms() {
  Forms::Register(FormId::Monitor, [] { return new FormMonitor; });
}

}  // namespace editors
