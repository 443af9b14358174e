// Qt is started here in child processes only: each case needs a process without a QApplication.
#include "platform/QtStart.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdlib>
#include <vector>

namespace {

class QtStart : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

[[noreturn]] void StartAndCheckOptionsIgnored() {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<std::string> words{"vuzovid", "-reverse", "-platform", "bogus",
                                 "-stylesheet", "/nonexistent.qss", "-J"};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::unique_ptr<QApplication> app = platform::StartQt(static_cast<int>(words.size()), argv.data());
  const bool ignored = QGuiApplication::platformName() == QStringLiteral("offscreen") &&
                       QGuiApplication::layoutDirection() == Qt::LeftToRight &&
                       app->styleSheet().isEmpty() && QCoreApplication::arguments().size() == 1;
  app.reset();
  std::_Exit(ignored ? 0 : 2);
}

[[noreturn]] void StartWith(const char* platformName, const char* display) {
  if (platformName) setenv("QT_QPA_PLATFORM", platformName, 1);
  else unsetenv("QT_QPA_PLATFORM");
  if (display) setenv("DISPLAY", display, 1);
  else unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  char name[] = "vuzovid";
  char* argv[] = {name, nullptr};
  platform::StartQt(1, argv);
  std::_Exit(3);  // started after all
}

}  // namespace

TEST_F(QtStart, TheProgramsArgumentsNeverReachQt) {
  EXPECT_EXIT(StartAndCheckOptionsIgnored(), testing::ExitedWithCode(0), "");
}

TEST_F(QtStart, NoWindowSystemEndsWithOneLine) {
  struct Case {
    const char* name;
    const char* platformName;
    const char* display;
    const char* line;
  };
  const Case cases[] = {
      {"no display server", nullptr, ":999", "vuzovid: the display \":999\" could not be opened\\."},
      {"no display set", nullptr, nullptr, "vuzovid: no display is set \\(DISPLAY is empty\\)\\."},
      {"unknown platform", "bogus", ":0",
       "vuzovid: the window system \"bogus\" \\(QT_QPA_PLATFORM\\) could not be started\\."},
  };
  for (const Case& c : cases) {
    EXPECT_EXIT(StartWith(c.platformName, c.display), testing::ExitedWithCode(1),
                std::string("^") + c.line + "\n$")
        << c.name;
  }
}
