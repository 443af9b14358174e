#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace shell {

// Registers the shell's own windows with the window registry.
void RegisterShellForms();

// Start-up: language, fonts, texts, tables, then the windows are loaded and the splash shown.
// args are the command-line arguments after the program name; fillEditorText fills the editors'
// text table for the chosen language (the editors live above the shell).
void Main(const std::vector<std::string>& args,
          const std::function<void(std::int16_t)>& fillEditorText);

// Closes the gateway link and unloads every window; the program ends with the last one.
void EndProgram();

}  // namespace shell
