#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "axisdata/AxisData.h"
#include "axisdata/EditorViews.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/Selection.h"
#include "axisdata/SharedState.h"
#include "RecordingUi.h"
#include "resources/UiText.h"

// Stands in for the editors and records the calls the data code makes into them, in order.
struct RecordingViews : axisdata::ComParamView, axisdata::KavGridView {
  RecordingViews() {
    axisdata::RegisterComParamView(this);
    axisdata::RegisterKavGridView(this);
  }
  ~RecordingViews() override {
    axisdata::RegisterComParamView(nullptr);
    axisdata::RegisterKavGridView(nullptr);
  }

  void ReadComParam(std::int16_t axis) override {
    calls.push_back("ReadComParam " + std::to_string(axis));
  }
  void FillKavGrid(std::int16_t axis, std::int16_t page) override {
    calls.push_back("FillKavGrid " + std::to_string(axis) + " " + std::to_string(page));
  }
  void ResetGridCursor() override { calls.push_back("ResetGridCursor"); }

  std::vector<std::string> calls;
};

// A folder of the test's own, English texts, and the images, the axis count and the selection
// as at program start (they are process-wide).
class KavFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vuz-kav-XXXXXX";
    dir_ = mkdtemp(tmpl);
    resources::LoadUiText(4000);
    Reset();
  }

  void TearDown() override {
    std::filesystem::remove_all(dir_);
    Reset();
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  void WriteFile(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // The file's lines without their CR LF; a line end other than CR LF fails the test.
  std::vector<std::string> Lines(const std::string& name) const {
    const std::string text = ReadFile(name);
    std::vector<std::string> lines;
    std::string::size_type pos = 0;
    while (pos < text.size()) {
      const std::string::size_type end = text.find("\r\n", pos);
      if (end == std::string::npos) {
        ADD_FAILURE() << name << ": text after the last CR LF";
        break;
      }
      lines.push_back(text.substr(pos, end - pos));
      EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << name;
      pos = end + 2;
    }
    return lines;
  }

  RecordingUi ui;

 private:
  static void Reset() { axisdata::ResetSharedState(); }

  std::string dir_;
};
