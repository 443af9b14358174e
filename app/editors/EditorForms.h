#pragma once

namespace editors {

// Registers the editors' windows with the window registry (and what they set up beside them).
void RegisterEditorForms();

}  // namespace editors
