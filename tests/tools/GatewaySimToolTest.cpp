// The simulator's front end as a person uses it: started as a program, with the link library
// on the PC side of the pty it prints.
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
  const char* argv[] = {VUZ_GATEWAY_SIM, "--state", "0", "--image", in.c_str(), "--save",
                        out.c_str(), nullptr};
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, VUZ_GATEWAY_SIM, &actions, nullptr, const_cast<char**>(argv),
                        environ),
            0);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  FILE* tool = fdopen(pipeFds[0], "r");
  std::array<char, 512> line{};
  ASSERT_NE(fgets(line.data(), line.size(), tool), nullptr);
  std::string first = line.data();
  while (!first.empty() && first.back() == '\n') first.pop_back();
  const std::string device = first.substr(first.rfind(' ') + 1);
  ASSERT_EQ(device.rfind("/dev/", 0), 0u) << first;

  ASSERT_EQ(init_klvn_slave(device.c_str()), 1);
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
  for (int n = 0; n < 8 && fgets(line.data(), line.size(), tool) != nullptr; ++n) {
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

  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  fclose(tool);
  std::filesystem::remove_all(dir);
}
