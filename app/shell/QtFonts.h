#pragma once
#include <QFont>

#include "shell/ModuleMain.h"

// The shared fonts as the windows put them on controls.
namespace shell {

// A font of the description; an empty face keeps the application's.
QFont QtFont(const FontDescription& description);

// The application's font with the user-interface face, when the language names one.
QFont UiNamedFont();

}  // namespace shell
