#pragma once
#include <string>

namespace platform {

// Folder of the running executable, without a trailing separator.
std::string ProgramFolder();

// Tests point the program at a folder of their own.
void SetProgramFolderForTesting(const std::string& folder);

}  // namespace platform
