#pragma once
#include <memory>
#include <string>

class QApplication;

namespace platform {

// Starts Qt for the program, given its command line. Qt sees only the program's name, so its own
// options (-platform, -display, -reverse, -stylesheet ...) take no effect; QT_QPA_PLATFORM still
// chooses the window system. When no window system can be started the program ends with exit code 1 and
// one line on standard error (no abort). Qt's messages of the start are passed on once Qt runs.
std::unique_ptr<QApplication> StartQt(int argc, char** argv);

// The line told when the window system cannot be started, by the settings it was started with.
std::string NoDisplayLine(const char* platformName, const char* display);

}  // namespace platform
