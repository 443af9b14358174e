#pragma once

namespace editors {

// Registers the editors' windows with the window registry, so the shell reaches them by id.
void RegisterEditorForms();

}  // namespace editors
