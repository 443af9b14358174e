// A second process that loads the library while another one uses it gets an instance that does
// nothing, and the first one's shutdown does not wait for it; also when the lock file cannot be
// had where it would normally lie, as for a user who inherited another user's runtime folder.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "LinkTestSupport.h"

extern char** environ;

namespace vuz::test {
namespace {

// The helper program, its output read line by line. By default it runs with this process's
// environment (and so its lock file) as this user.
class SecondUser {
 public:
  struct Options {
    std::optional<std::vector<std::string>> environment;
    std::optional<uid_t> user;
    bool hold = false;  // keeps the library until this object ends
  };

  explicit SecondUser(const std::string& port) : SecondUser(port, Options{}) {}
  SecondUser(const std::string& port, const Options& options) {
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0) return;
    // Everything the child needs is made before the fork: after it, only exec-safe calls.
    const std::string program = KLVNDRV_SECOND_USER;
    std::vector<std::string> args = {program, port};
    if (options.hold) args.push_back("hold");
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = options.environment.value_or(std::vector<std::string>{});
    if (options.environment) {
      for (std::string& e : env) envp.push_back(e.data());
      envp.push_back(nullptr);
    }
    char** const environment = options.environment ? envp.data() : environ;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      dup2(in[0], STDIN_FILENO);
      for (int fd : {out[0], out[1], in[0], in[1]}) ::close(fd);
      if (options.user && (setgroups(0, nullptr) != 0 || setgid(*options.user) != 0 ||
                           setuid(*options.user) != 0)) {
        _exit(3);
      }
      execve(program.c_str(), argv.data(), environment);
      _exit(4);
    }
    ::close(out[1]);
    ::close(in[0]);
    input_ = in[1];
    output_ = fdopen(out[0], "r");
  }
  ~SecondUser() {
    if (input_ >= 0) ::close(input_);
    if (output_) std::fclose(output_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  bool started() const { return pid_ > 0 && output_; }
  std::string next_line() {
    char line[256] = {};
    if (!std::fgets(line, sizeof line, output_)) return {};
    return line;
  }

  struct InitResult {
    int init = -1, state = -1;
    long long ms = -1;
  };
  // The init's result line, once "loaded" has come.
  ::testing::AssertionResult init_result(InitResult& result) {
    const std::string loaded = next_line();
    if (loaded != "loaded\n") return ::testing::AssertionFailure() << "not loaded: " << loaded;
    const std::string line = next_line();
    if (std::sscanf(line.c_str(), "init=%d state=%d ms=%lld", &result.init, &result.state,
                    &result.ms) != 3) {
      return ::testing::AssertionFailure() << "no init result: " << line;
    }
    return ::testing::AssertionSuccess();
  }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  std::FILE* output_ = nullptr;
};

TEST_F(LinkTest, SecondProcessGetsAnInertInstance) {
  SecondUser second(gateway.device_path());
  ASSERT_TRUE(second.started());
  ASSERT_EQ(second.next_line(), "loaded\n");

  // This process keeps a working link meanwhile, and lets go of it without waiting for the
  // other process.
  open_link();
  ASSERT_EQ(close_klvn(), 1);
  EXPECT_TRUE(link_thread_gone());

  int init = -1, state = -1;
  long long ms = -1;
  const std::string result = second.next_line();
  ASSERT_EQ(std::sscanf(result.c_str(), "init=%d state=%d ms=%lld", &init, &state, &ms), 3) << result;
  EXPECT_EQ(init, 0);
  EXPECT_EQ(state, 0);
  EXPECT_GE(ms, 5000) << "the init did not try for about 5 s";
}

// Where the runtime folder cannot hold the lock file for the user the processes run as.
struct RuntimeCase {
  const char* name;
  bool asOtherUser;  // both processes run as another user, the runtime folder stays this one's;
                     // else it is missing
};
void PrintTo(const RuntimeCase& c, std::ostream* os) { *os << c.name; }

class UnusableRuntimeFolder : public LinkTest, public testing::WithParamInterface<RuntimeCase> {
 protected:
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::string root_;
};

constexpr uid_t kOtherUser = 65534;

TEST_P(UnusableRuntimeFolder, StillLetsOnlyOneProcessHaveAWorkingLink) {
  const RuntimeCase& c = GetParam();
  if (c.asOtherUser && geteuid() != 0) GTEST_SKIP() << "needs root to run as another user";
  char tmpl[] = "/tmp/vuz-second-XXXXXX";
  ASSERT_TRUE(mkdtemp(tmpl));
  root_ = tmpl;
  const std::string runtime = root_ + "/runtime", temp = root_ + "/tmp";
  ASSERT_EQ(chmod(root_.c_str(), 0755), 0);
  if (c.asOtherUser) {
    ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);  // this user's, not theirs
  }
  ASSERT_EQ(mkdir(temp.c_str(), 0700), 0);
  ASSERT_EQ(chmod(temp.c_str(), 01777), 0);

  // This process's environment without its own lock file and folders.
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const auto named = [&entry](const char* name) { return entry.rfind(name, 0) == 0; };
    if (!named("KLVNDRV_LOCK_FILE=") && !named("XDG_RUNTIME_DIR=") && !named("TMPDIR="))
      environment.push_back(entry);
  }
  environment.push_back("XDG_RUNTIME_DIR=" + runtime);
  environment.push_back("TMPDIR=" + temp);

  sim::GatewaySimulator other;
  SecondUser::Options options{environment, std::nullopt, true};
  if (c.asOtherUser) {
    options.user = kOtherUser;
    for (const std::string& device : {gateway.device_path(), other.device_path()}) {
      ASSERT_EQ(chmod(device.c_str(), 0666), 0);
    }
  }

  SecondUser first(gateway.device_path(), options);
  ASSERT_TRUE(first.started());
  SecondUser::InitResult firstResult;
  ASSERT_TRUE(first.init_result(firstResult));
  EXPECT_EQ(firstResult.init, 1);
  EXPECT_EQ(firstResult.state, 4);

  options.hold = false;
  SecondUser second(other.device_path(), options);
  ASSERT_TRUE(second.started());
  SecondUser::InitResult secondResult;
  ASSERT_TRUE(second.init_result(secondResult));
  EXPECT_EQ(secondResult.init, 0) << "a second working link";
  EXPECT_EQ(secondResult.state, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, UnusableRuntimeFolder,
    testing::Values(RuntimeCase{"Missing", false},
                    RuntimeCase{"OfAnotherUserAsAfterSudo", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vuz::test
