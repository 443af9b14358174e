// The simulator's front end as a person uses it: started as a program, with the link library
// on the PC side of the pty it prints. ctest runs each case in a process of its own: a closed link
// stays closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "klvndrv.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int32_t RunSteps(int32_t (*step)(int32_t*), int32_t* words) {
  int32_t result = -1;
  for (int i = 0; i < 2000 && result == -1; ++i) result = step(words);
  return result;
}

int32_t Download(int32_t* words) { return exec_download(words); }

// The front end started as a program, its output read through a pipe; its first line names the
// device. A test that ends early still ends the program.
class Tool {
 public:
  explicit Tool(std::vector<const char*> args) {
    args.insert(args.begin(), VUZ_GATEWAY_SIM);
    args.push_back(nullptr);
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    EXPECT_EQ(posix_spawn(&pid_, VUZ_GATEWAY_SIM, &actions, nullptr,
                          const_cast<char**>(args.data()), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    output = fdopen(pipeFds[0], "r");
    std::array<char, 512> line{};
    if (fgets(line.data(), line.size(), output) != nullptr) {
      std::string first = line.data();
      while (!first.empty() && first.back() == '\n') first.pop_back();
      device = first.substr(first.rfind(' ') + 1);
    }
    EXPECT_EQ(device.rfind("/dev/", 0), 0u) << device;
  }
  ~Tool() { Stop(); }

  // Ends the program as Ctrl+C would; true when it ended cleanly.
  bool Stop() {
    if (pid_ == 0) return false;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    fclose(output);
    pid_ = 0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  FILE* output = nullptr;
  std::string device;

 private:
  pid_t pid_ = 0;
};

// A gateway word as the monitor reads it (the poll, then the word).
int32_t ReadWord(int32_t address) {
  int32_t word = 0, result = -1;
  for (int i = 0; i < 20 && result == -1; ++i) result = exec_addr_rd_upload(0, address, &word);
  EXPECT_EQ(result, 1) << std::hex << address;
  return word;
}

}  // namespace

TEST(GatewaySimTool, ServesUploadsAndSavesDownloads) {
  char tmpl[] = "/tmp/vuz-simtool-XXXXXX";
  const std::string dir = mkdtemp(tmpl);
  {
    std::ofstream in(dir + "/in.zel", std::ios::binary);
    for (int i = 0; i < 133; ++i) in << (i == 0 ? -32768 : i) << "\r\n";
  }
  const std::string in = dir + "/in.zel";
  const std::string out = dir + "/out.zel";
  Tool tool({"--state", "0", "--image", in.c_str(), "--save", out.c_str()});
  ASSERT_EQ(init_klvn_slave(tool.device.c_str()), 1);
  std::array<int32_t, 305> words{};
  reset_load_count(305);
  EXPECT_EQ(RunSteps(exec_upload, words.data()), 1);
  EXPECT_EQ(words[0], -32768);
  EXPECT_EQ(words[132], 132);
  EXPECT_EQ(words[133], 0);

  words[5] = 555;
  reset_load_count(305);
  EXPECT_EQ(RunSteps(Download, words.data()), 1);

  // The tool reports each transfer once the gateway side has checked its last answer.
  std::string report;
  std::array<char, 512> line{};
  for (int n = 0; n < 8 && fgets(line.data(), line.size(), tool.output) != nullptr; ++n) {
    report += line.data();
    if (report.find("saved to") != std::string::npos) break;
  }
  EXPECT_NE(report.find("upload (gateway to PC): completed, 305 words"), std::string::npos)
      << report;
  EXPECT_NE(report.find("download (PC to gateway): completed, 305 words"), std::string::npos)
      << report;
  EXPECT_NE(report.find("saved to " + out), std::string::npos) << report;
  close_klvn();

  const std::string saved = ReadAll(out);
  EXPECT_EQ(saved.substr(0, 20), "\"-32768\"\r\n\"1\"\r\n\"2\"\r\n");
  EXPECT_NE(saved.find("\"555\"\r\n"), std::string::npos);

  EXPECT_TRUE(tool.Stop());
  std::filesystem::remove_all(dir);
}

TEST(GatewaySimTool, PlaysAGatewayAtWorkForTheMonitor) {
  Tool tool({"--live"});
  ASSERT_EQ(init_klvn_slave(tool.device.c_str()), 1);
  EXPECT_EQ(ReadWord(0x8040), 0x00010001);  // both links online
  EXPECT_EQ(ReadWord(0x0017), 0x11);        // an actuator with lead 10 mm
  // Axis 0 moves between its points: its position word counts within a few seconds.
  const int32_t first = ReadWord(0x7400);
  bool moved = false;
  for (int i = 0; i < 100 && !moved; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    moved = ReadWord(0x7400) != first;
  }
  EXPECT_TRUE(moved);
  close_klvn();
  EXPECT_TRUE(tool.Stop());
}
