// A second process that loads the library while this one uses it gets an instance that does
// nothing, and this process's shutdown does not wait for it.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "LinkTestSupport.h"

extern char** environ;

namespace vuz::test {
namespace {

// The helper program, started with this process's environment (and so its lock file), its
// output read line by line.
class SecondUser {
 public:
  explicit SecondUser(const std::string& port) {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string program = KLVNDRV_SECOND_USER;
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(port.c_str()), nullptr};
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    output_ = fdopen(out[0], "r");
  }
  ~SecondUser() {
    if (output_) std::fclose(output_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  bool started() const { return pid_ > 0 && output_; }
  std::string next_line() {
    char line[256] = {};
    if (!std::fgets(line, sizeof line, output_)) return {};
    return line;
  }

 private:
  pid_t pid_ = -1;
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

}  // namespace
}  // namespace vuz::test
