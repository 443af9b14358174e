#include "platform/TextFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/StringTable.h"
#include "resources/UiText.h"

namespace fs = std::filesystem;
using platform::ReadOutcome;
using platform::ReadTextFile;
using platform::ReplaceTextFile;

namespace {

constexpr std::size_t kBound = 1000;

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vuz-textfile-XXXXXX";
    dir_ = mkdtemp(tmpl);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  void Put(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  std::string Get(const std::string& path) const {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
  }
  size_t FilesInDir() const { return std::distance(fs::directory_iterator(dir_), {}); }
  mode_t Mode(const std::string& path) const {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
  }

  std::string dir_;
};

}  // namespace

TEST_F(TextFileTest, ReadsRegularFilesUpToTheBound) {
  struct Case {
    const char* name;
    std::size_t size;  // 0: no file
    ReadOutcome outcome;
  };
  const Case cases[] = {
      {"missing", 0, ReadOutcome::Missing},
      {"at-bound", kBound, ReadOutcome::Read},
      {"past-bound", kBound + 1, ReadOutcome::TooLarge},
  };
  for (const Case& c : cases) {
    if (c.size) Put(c.name, std::string(c.size, 'x'));
    std::string text = "old";
    EXPECT_EQ(ReadTextFile(Path(c.name), kBound, text), c.outcome) << c.name;
    EXPECT_EQ(text.size(), c.outcome == ReadOutcome::Read ? c.size : 0u) << c.name;
  }
}

TEST_F(TextFileTest, FifosDevicesAndFoldersAreNoFilesAndNeverBlock) {
  ASSERT_EQ(mkfifo(Path("pipe.zel").c_str(), 0644), 0);
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& path : {Path("pipe.zel"), std::string("/dev/zero"), dir_}) {
    std::string text;
    EXPECT_EQ(ReadTextFile(path, kBound, text), ReadOutcome::NotAFile) << path;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(platform::DescribeReadFailure(ReadOutcome::NotAFile, kBound),
            "this is not a regular file.");
}

TEST_F(TextFileTest, AFileWithoutWriteBitsIsReadOnlyAlsoForRoot) {
  Put("locked.zel", "old");
  fs::permissions(Path("locked.zel"), fs::perms::owner_read | fs::perms::group_read |
                                          fs::perms::others_read);
  errno = 0;
  EXPECT_FALSE(ReplaceTextFile(Path("locked.zel"), "new"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(Get(Path("locked.zel")), "old");
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(TextFileTest, FailuresAreToldInTheUsersLanguage) {
  Put("locked.zel", "old");
  fs::permissions(Path("locked.zel"), fs::perms::owner_read);
  const struct {
    int base;
    const char* write;
    const char* missing;
  } cases[] = {
      {resources::kEnglishBase, ": the file cannot be written (Permission denied).",
       "the file does not exist."},
      {resources::kJapaneseBase, ": ファイルに書き込めません (アクセスが拒否されました)。",
       "ファイルが存在しません。"},
      {resources::kChineseBase, ": 无法写入文件 (权限不足)。", "文件不存在。"},
  };
  for (const auto& c : cases) {
    resources::LoadUiText(c.base);
    EXPECT_EQ(platform::WriteTextFile(Path("locked.zel"), "new"), Path("locked.zel") + c.write);
    EXPECT_EQ(platform::DescribeReadFailure(ReadOutcome::Missing, kBound), c.missing);
  }
  resources::LoadUiText(resources::kEnglishBase);
}

TEST_F(TextFileTest, NonRegularTargetsAreNotReplaced) {
  ASSERT_EQ(mkfifo(Path("pipe.zel").c_str(), 0644), 0);
  fs::create_directory(Path("folder.zel"));
  EXPECT_FALSE(ReplaceTextFile(Path("pipe.zel"), "new"));
  EXPECT_EQ(errno, EPERM);
  EXPECT_TRUE(fs::is_fifo(Path("pipe.zel")));
  EXPECT_FALSE(ReplaceTextFile(Path("folder.zel"), "new"));
  EXPECT_EQ(errno, EISDIR);
  EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(TextFileTest, ASymbolicLinkIsWrittenThrough) {
  fs::create_directory(Path("real"));
  Put("real/set.zel", "old");
  fs::create_symlink("real/set.zel", Path("relative.zel"));
  fs::create_symlink(Path("relative.zel"), Path("chained.zel"));
  fs::create_symlink("real/new.zel", Path("dangling.zel"));
  for (const char* link : {"relative.zel", "chained.zel"}) {
    ASSERT_TRUE(ReplaceTextFile(Path(link), link));
    EXPECT_TRUE(fs::is_symlink(Path(link)));
    EXPECT_EQ(Get(Path("real/set.zel")), link);
  }
  ASSERT_TRUE(ReplaceTextFile(Path("dangling.zel"), "created"));
  EXPECT_TRUE(fs::is_symlink(Path("dangling.zel")));
  EXPECT_EQ(Get(Path("real/new.zel")), "created");
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 2);
}

TEST_F(TextFileTest, NamesUpToTheLengthLimitCanBeWritten) {
  for (const std::size_t length : {241u, 255u}) {
    const std::string name = std::string(length - 4, 'n') + ".zel";
    ASSERT_TRUE(ReplaceTextFile(Path(name), "one")) << length;
    ASSERT_TRUE(ReplaceTextFile(Path(name), "two")) << length;
    EXPECT_EQ(Get(Path(name)), "two");
  }
  EXPECT_EQ(FilesInDir(), 2u) << "a temporary file was left behind";
}

TEST_F(TextFileTest, ModesAreKeptOrFollowTheUmask) {
  Put("shared.zel", "old");
  fs::permissions(Path("shared.zel"), fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read);
  ASSERT_TRUE(ReplaceTextFile(Path("shared.zel"), "new"));
  EXPECT_EQ(Mode(Path("shared.zel")), 0640u);

  const mode_t mask = umask(027);
  ASSERT_TRUE(ReplaceTextFile(Path("fresh.zel"), "new"));
  umask(mask);
  EXPECT_EQ(Mode(Path("fresh.zel")), 0640u);
}

TEST(MessageExcerpt, IsShortAndPrintable) {
  EXPECT_EQ(platform::MessageExcerpt("12x"), "12x");
  EXPECT_EQ(platform::MessageExcerpt(std::string("1\0\r\n\xFF", 5)), "1????");
  EXPECT_EQ(platform::MessageExcerpt(std::string(1'000'000, '9')), std::string(20, '9') + "...");
}
