#pragma once

namespace shell {

// Opens the help file beside the program with the desktop's viewer, or says that it is missing.
void ShowProgramHelp();

}  // namespace shell
