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

template <typename Step>
int32_t RunSteps(Step step, int32_t* words) {
  int32_t result = -1;
  for (int i = 0; i < 2000 && result == -1; ++i) result = step(words);
  return result;
}

int32_t Download(int32_t* words) { return exec_download(words); }


// The tool started as a person starts it; its first line names the device.
class SimTool {
 public:
  explicit SimTool(std::vector<std::string> args) {
    args.insert(args.begin(), VUZ_GATEWAY_SIM);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    EXPECT_EQ(posix_spawn(&pid_, VUZ_GATEWAY_SIM, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    out_ = fdopen(pipeFds[0], "r");
    const std::string first = Line();
    device = first.substr(first.rfind(' ') + 1);
  }

  ~SimTool() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    fclose(out_);
  }

  std::string Line() {
    std::array<char, 512> line{};
    if (fgets(line.data(), line.size(), out_) == nullptr) return "";
    std::string text = line.data();
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

  // The tool's report up to the line that contains `until` (at most `lines` lines).
  std::string ReportUntil(const std::string& until, int lines = 8) {
    std::string report;
    for (int n = 0; n < lines; ++n) {
      const std::string line = Line();
      report += line + "\n";
      if (line.empty() || line.find(until) != std::string::npos) break;
    }
    return report;
  }

  std::string device;

 private:
  pid_t pid_ = 0;
  FILE* out_ = nullptr;
};

// A gateway word as the monitor reads it (the poll, then the word).
int32_t ReadWord(int32_t address) {
  int32_t word = 0, result = -1;
  for (int i = 0; i < 20 && result == -1; ++i) result = exec_addr_rd_upload(0, address, &word);
  EXPECT_EQ(result, 1) << std::hex << address;
  return word;
}

std::string TempFolder() {
  char tmpl[] = "/tmp/vuz-simtool-XXXXXX";
  return mkdtemp(tmpl);
}

}  // namespace

TEST(GatewaySimTool, ServesUploadsAndSavesDownloads) {
  const std::string dir = TempFolder();
  {
    std::ofstream in(dir + "/in.zel", std::ios::binary);
    for (int i = 0; i < 133; ++i) in << (i == 0 ? -32768 : i) << "\r\n";
  }
  const std::string out = dir + "/out.zel";
  {
    SimTool tool({"--state", "0", "--image", dir + "/in.zel", "--save", out});
    ASSERT_EQ(tool.device.rfind("/dev/", 0), 0u) << tool.device;

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
    const std::string report = tool.ReportUntil("saved to");
    EXPECT_NE(report.find("upload (gateway to PC): completed, 305 words"), std::string::npos)
        << report;
    EXPECT_NE(report.find("download (PC to gateway): completed, 305 words"), std::string::npos)
        << report;
    EXPECT_NE(report.find("saved to " + out), std::string::npos) << report;
    close_klvn();
  }
  const std::string saved = ReadAll(out);
  EXPECT_EQ(saved.substr(0, 20), "\"-32768\"\r\n\"1\"\r\n\"2\"\r\n");
  EXPECT_NE(saved.find("\"555\"\r\n"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(GatewaySimTool, ServesTheDefaultKavDataSetAndSavesAxisDownloads) {
  const std::string dir = TempFolder();
  {
    SimTool tool({"--save-kav", dir + "/sent"});
    ASSERT_EQ(init_klvn_slave(tool.device.c_str()), 1);

    // The default set's axis 0 is a catalogue actuator: its type code is common word 23.
    std::array<int32_t, 32> common{};
    reset_load_count(32);
    EXPECT_EQ(RunSteps([](int32_t* w) { return exec_axcom_upload(0, w); }, common.data()), 1);
    EXPECT_NE(common[23], 0);

    // A download's last stage, the expansion byte, writes the axis's file.
    int32_t result = -1;
    for (int i = 0; i < 2000 && result == -1; ++i) result = exec_axexpr_download(1, 77);
    EXPECT_EQ(result, 1);
    const std::string report = tool.ReportUntil("saved to");
    EXPECT_NE(report.find("saved to " + dir + "/sent1.EEP"), std::string::npos) << report;
    close_klvn();
  }
  const std::string eep = ReadAll(dir + "/sent1.EEP");
  EXPECT_NE(eep.find("00:4D000000\r\n"), std::string::npos) << eep;
  std::filesystem::remove_all(dir);
}

TEST(GatewaySimTool, PlaysAGatewayAtWorkForTheMonitor) {
  SimTool tool({"--live"});
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
}
