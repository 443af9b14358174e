#include "editors/EditorForms.h"

#include "editors/FormComEdit.h"
#include "editors/FormPosEdit.h"

namespace editors {

void RegisterEditorForms() {
  RegisterFormComEdit();
  RegisterFormPosEdit();
}

}  // namespace editors
