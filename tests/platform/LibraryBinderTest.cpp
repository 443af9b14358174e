#include "platform/LibraryBinder.h"

#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "platform/UiServices.h"

TEST(LibraryBinder, DerivesThePlainNameFromTheDecoratedOne) {
  EXPECT_EQ(platform::UndecoratedName("_init_klvn_slave@4"), "init_klvn_slave");
  EXPECT_EQ(platform::UndecoratedName("_close_klvn@0"), "close_klvn");
  EXPECT_EQ(platform::UndecoratedName("_prepare_Q2_command@12"), "prepare_Q2_command");
  EXPECT_EQ(platform::UndecoratedName("plain"), "plain");
}

namespace {
class RecordingUi : public platform::UiServices {
 public:
  platform::MsgAnswer MessageBox(const std::string& text, platform::MsgButtons,
                                 platform::MsgIcon, const std::string&) override {
    fprintf(stderr, "message: %s\n", text.c_str());
    return platform::MsgAnswer::Ok;
  }
  std::optional<std::string> FileDialog(const platform::FileDialogRequest&) override {
    return std::nullopt;
  }
  bool OpenDocument(const std::string&) override { return false; }
  void ProcessEvents() override {}
  void ShowModal(platform::ModalWindow&) override {}
};
}  // namespace

TEST(LibraryBinderDeathTest, AMissingLibraryIsReportedAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        RecordingUi ui;
        platform::SetUi(&ui);
        platform::SetProgramFolderForTesting("/nonexistent-folder");
        platform::ResolveKlvn("_close_klvn@0");
      },
      testing::ExitedWithCode(EXIT_FAILURE), "message: .*libklvndrv\\.so");
}
