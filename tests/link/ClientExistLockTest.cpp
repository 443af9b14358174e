// Where the lock file that tells processes apart lies: only where this user alone can write, the
// next place serving when one cannot be used, and no lock at all rather than one that could be
// another user's or none. Cases marked "as root" make files of another user and are skipped
// without the right to.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ClientExistLock.h"

namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;
constexpr const char* kLockName = "VUVI_DOV_ClientExist.lock";

// The folders of one case, and the files it holds open as another process would.
struct Places {
  std::string root, runtime, temp, own;
  std::vector<int> holders;

  // Opens `path` (made when missing) and holds its lock, as a process that uses the library does.
  void Hold(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0) << path;
    holders.push_back(fd);
  }
  static void GiveToOtherUser(const std::string& path) {
    ASSERT_EQ(lchown(path.c_str(), kOtherUser, kOtherUser), 0) << path;
  }
};

enum class Place { Runtime, OwnTemp, Explicit, None };

struct PlaceCase {
  const char* name;
  bool asRoot;
  std::function<void(Places&)> arrange;
  Place expected;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class ClientExistLockTest : public testing::TestWithParam<PlaceCase> {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vuz-lock-XXXXXX";
    ASSERT_TRUE(mkdtemp(tmpl));
    p.root = tmpl;
    p.runtime = p.root + "/runtime";
    p.temp = p.root + "/tmp";
    p.own = p.temp + "/klvndrv-" + std::to_string(geteuid());
    ASSERT_EQ(mkdir(p.runtime.c_str(), 0700), 0);
    ASSERT_EQ(mkdir(p.temp.c_str(), 0700), 0);
    ASSERT_EQ(chmod(p.temp.c_str(), 01777), 0);  // as /tmp is
    for (const char* name : {"KLVNDRV_LOCK_FILE", "XDG_RUNTIME_DIR", "TMPDIR"}) {
      if (const char* value = getenv(name)) saved_.emplace_back(name, value);
    }
    unsetenv("KLVNDRV_LOCK_FILE");
    setenv("XDG_RUNTIME_DIR", p.runtime.c_str(), 1);
    setenv("TMPDIR", p.temp.c_str(), 1);
  }

  void TearDown() override {
    lock.release();
    for (int fd : p.holders) ::close(fd);
    for (const char* name : {"KLVNDRV_LOCK_FILE", "XDG_RUNTIME_DIR", "TMPDIR"}) unsetenv(name);
    for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    fs::remove_all(p.root);
  }

  std::string PathOf(Place place) const {
    switch (place) {
      case Place::Runtime: return p.runtime + "/" + kLockName;
      case Place::OwnTemp: return p.own + "/" + kLockName;
      case Place::Explicit: return p.root + "/explicit.lock";
      case Place::None: break;
    }
    return {};
  }

  Places p;
  klvn::ClientExistLock lock;

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_P(ClientExistLockTest, LiesOnlyWhereThisUserAloneCanWrite) {
  if (GetParam().asRoot && geteuid() != 0) GTEST_SKIP() << "needs root to make another user's files";
  GetParam().arrange(p);
  const Place expected = GetParam().expected;
  EXPECT_EQ(lock.acquire(), expected != Place::None);
  EXPECT_EQ(lock.path(), PathOf(expected));
  if (expected != Place::OwnTemp) return;
  struct stat folder;
  ASSERT_EQ(lstat(p.own.c_str(), &folder), 0);
  EXPECT_TRUE(S_ISDIR(folder.st_mode));
  EXPECT_EQ(folder.st_uid, geteuid());
  EXPECT_EQ(folder.st_mode & 0777, 0700u);
}

INSTANTIATE_TEST_SUITE_P(
    Where, ClientExistLockTest,
    testing::Values(
        PlaceCase{"RuntimeFolderOfTheUser", false, [](Places&) {}, Place::Runtime},
        PlaceCase{"NoRuntimeFolder", false, [](Places&) { unsetenv("XDG_RUNTIME_DIR"); },
                  Place::OwnTemp},
        PlaceCase{"RuntimeFolderMissing", false,
                  [](Places& p) { setenv("XDG_RUNTIME_DIR", (p.root + "/gone").c_str(), 1); },
                  Place::OwnTemp},
        PlaceCase{"RuntimeFolderWritableByOthers", false,
                  [](Places& p) { chmod(p.runtime.c_str(), 0777); }, Place::OwnTemp},
        PlaceCase{"RuntimeFolderIsASymbolicLink", false,
                  [](Places& p) {
                    fs::create_directory_symlink(p.runtime, p.root + "/link");
                    setenv("XDG_RUNTIME_DIR", (p.root + "/link").c_str(), 1);
                  },
                  Place::OwnTemp},
        PlaceCase{"RuntimeFolderOfAnotherUser", true,
                  [](Places& p) { Places::GiveToOtherUser(p.runtime); }, Place::OwnTemp},
        PlaceCase{"LockFileOfAnotherUserInTheRuntimeFolder", true,
                  [](Places& p) {
                    const std::string file = p.runtime + "/" + kLockName;
                    ::close(::open(file.c_str(), O_RDWR | O_CREAT, 0600));
                    Places::GiveToOtherUser(file);
                  },
                  Place::OwnTemp},
        PlaceCase{"SharedTempNameHeldByAnotherUser", true,
                  [](Places& p) {
                    unsetenv("XDG_RUNTIME_DIR");
                    const std::string file =
                        p.temp + "/VUVI_DOV_ClientExist-" + std::to_string(geteuid()) + ".lock";
                    p.Hold(file);
                    Places::GiveToOtherUser(file);
                  },
                  Place::OwnTemp},
        PlaceCase{"TempFolderOfAnotherUserAndNoRuntimeFolder", true,
                  [](Places& p) {
                    unsetenv("XDG_RUNTIME_DIR");
                    mkdir(p.own.c_str(), 0700);
                    Places::GiveToOtherUser(p.own);
                  },
                  Place::None},
        PlaceCase{"TempFolderIsASymbolicLinkAndNoRuntimeFolder", false,
                  [](Places& p) {
                    unsetenv("XDG_RUNTIME_DIR");
                    fs::create_directory_symlink(p.runtime, p.own);
                  },
                  Place::None},
        PlaceCase{"TempFolderWritableByOthersAndRuntimeFolderMissing", false,
                  [](Places& p) {
                    setenv("XDG_RUNTIME_DIR", (p.root + "/gone").c_str(), 1);
                    mkdir(p.own.c_str(), 0700);
                    chmod(p.own.c_str(), 0777);
                  },
                  Place::None},
        PlaceCase{"ExplicitFile", false,
                  [](Places& p) { setenv("KLVNDRV_LOCK_FILE", (p.root + "/explicit.lock").c_str(), 1); },
                  Place::Explicit},
        PlaceCase{"ExplicitFileOfAnotherUser", true,
                  [](Places& p) {
                    const std::string file = p.root + "/explicit.lock";
                    ::close(::open(file.c_str(), O_RDWR | O_CREAT, 0600));
                    Places::GiveToOtherUser(file);
                    setenv("KLVNDRV_LOCK_FILE", file.c_str(), 1);
                  },
                  Place::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClientExistLockTest, AHeldLockIsNotSoughtElsewhereAndIsTakenOnceLetGo) {
  p.Hold(PathOf(Place::Runtime));
  EXPECT_FALSE(lock.acquire());
  EXPECT_FALSE(fs::exists(p.own)) << "a held lock must not send the process to another place";
  ::close(p.holders.back());
  p.holders.pop_back();
  EXPECT_TRUE(lock.acquire());
  EXPECT_EQ(lock.path(), PathOf(Place::Runtime));
  lock.release();
  EXPECT_EQ(lock.path(), "");
}

}  // namespace
