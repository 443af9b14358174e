#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

TEST(ProgramFolder, IsTheExecutablesFolderWithoutTrailingSlash) {
  const std::string folder = platform::ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_EQ(access((folder + "/platform_core_test").c_str(), X_OK), 0);
}
