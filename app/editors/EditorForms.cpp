#include "editors/EditorForms.h"

#include "editors/FormComEdit.h"

namespace editors {

void RegisterEditorForms() {
  RegisterFormComEdit();
}

}  // namespace editors
