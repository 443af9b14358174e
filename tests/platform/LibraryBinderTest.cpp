#include "platform/LibraryBinder.h"

#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "platform/ConsoleUi.h"

TEST(LibraryBinder, DerivesThePlainNameFromTheDecoratedOne) {
  EXPECT_EQ(platform::UndecoratedName("_init_klvn_slave@4"), "init_klvn_slave");
  EXPECT_EQ(platform::UndecoratedName("_close_klvn@0"), "close_klvn");
  EXPECT_EQ(platform::UndecoratedName("_prepare_Q2_command@12"), "prepare_Q2_command");
  EXPECT_EQ(platform::UndecoratedName("plain"), "plain");
}


TEST(LibraryBinderDeathTest, AMissingLibraryIsReportedAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        platform::ConsoleUi ui;
        platform::SetUi(&ui);
        platform::SetProgramFolderForTesting("/nonexistent-folder");
        platform::ResolveKlvn("_close_klvn@0");
      },
      testing::ExitedWithCode(EXIT_FAILURE), "libklvndrv\\.so");
}
