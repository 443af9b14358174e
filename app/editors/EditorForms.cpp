#include "editors/EditorForms.h"

#include "editors/FormComEdit.h"
#include "editors/FormKAV.h"

namespace editors {

void RegisterEditorForms() {
  RegisterFormComEdit();
  RegisterFormKAV();
}

}  // namespace editors
