#include "shell/SyncImage.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "axisdata/FileInput.h"
#include "platform/TableGrid.h"

namespace fs = std::filesystem;
using platform::TableGrid;
using shell::PrgData;

namespace {

class SyncImageTest : public testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vuz-sync-XXXXXX";
    dir_ = mkdtemp(tmpl);
    PrgData.fill(0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // "0\r\n1\r\n..." with the given values and zeros up to 133 values.
  static std::string ZelText(std::vector<std::string> values, size_t count = shell::kZelWords) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += (i < values.size() ? values[i] : "0") + "\r\n";
    return text;
  }

  std::string dir_;
};

}  // namespace

TEST_F(SyncImageTest, ZelFileRoundTripsInBothForms) {
  for (int i = 0; i < shell::kZelWords; ++i) PrgData[i] = (i * 7919) - 500000;
  PrgData[3] = -32768;
  PrgData[4] = INT32_MIN;
  PrgData[5] = INT32_MAX;
  const auto saved = PrgData;
  for (const bool quoted : {true, false}) {
    ASSERT_EQ(shell::WriteZelFile(Path("t.zel"), quoted), std::nullopt);
    std::array<int32_t, shell::kZelWords> words{};
    ASSERT_EQ(shell::ReadZelFile(Path("t.zel"), words), std::nullopt);
    for (int i = 0; i < shell::kZelWords; ++i) EXPECT_EQ(words[i], saved[i]) << i;
  }
}

TEST_F(SyncImageTest, SaveFormsAreQuotedOrBareWithCrLf) {
  PrgData[0] = 5;
  PrgData[1] = -32768;
  PrgData[133] = 9;  // words past 132 never reach the file
  ASSERT_EQ(shell::WriteZelFile(Path("q.zel"), true), std::nullopt);
  ASSERT_EQ(shell::WriteZelFile(Path("b.zel"), false), std::nullopt);
  EXPECT_EQ(Read("q.zel").substr(0, 15), "\"5\"\r\n\"-32768\"\r\n");
  EXPECT_EQ(Read("b.zel").substr(0, 11), "5\r\n-32768\r\n");
  EXPECT_EQ(Read("b.zel").size(), 3 + 8 + 131 * 3u);
}

TEST_F(SyncImageTest, ReaderTakesCommasQuotesBlanksAndIgnoresTheRest) {
  std::string text = "1\r\n\"2\"\r\n   3\r\n  \"4\"\r\n7\r\n1,2\r\n";
  for (int i = 7; i < 140; ++i) text += std::to_string(i) + "\n";  // LF alone, and extra lines
  Write("mixed.zel", text);
  std::array<int32_t, shell::kZelWords> words{};
  ASSERT_EQ(shell::ReadZelFile(Path("mixed.zel"), words), std::nullopt);
  EXPECT_EQ(words[0], 1);
  EXPECT_EQ(words[1], 2);
  EXPECT_EQ(words[2], 3);
  EXPECT_EQ(words[3], 4);
  EXPECT_EQ(words[5], 1);  // "1,2" gives word 5 and word 6
  EXPECT_EQ(words[6], 2);
  EXPECT_EQ(words[132], 132);
}

TEST_F(SyncImageTest, BadFilesAreDescribedAndLeaveTheWordsAlone) {
  struct Case {
    const char* name;
    std::string text;  // empty: no file at all
    const char* described;
  };
  const Case cases[] = {
      {"missing.zel", "", "does not exist"},
      {"short.zel", ZelText({}, 132), "ends after 132 of 133"},
      {"letters.zel", ZelText({"0", "abc"}), "value 2"},
      {"huge.zel", ZelText({"0", "0", "4294967296"}), "value 3"},
      {"half.zel", ZelText({"12x"}), "value 1"},
  };
  for (const Case& c : cases) {
    if (!c.text.empty()) Write(c.name, c.text);
    std::array<int32_t, shell::kZelWords> words;
    words.fill(77);
    const std::optional<std::string> error = shell::ReadZelFile(Path(c.name), words);
    ASSERT_TRUE(error.has_value()) << c.name;
    EXPECT_NE(error->find(c.described), std::string::npos) << *error;
    EXPECT_EQ(words[0], 77) << c.name;
  }
}

TEST_F(SyncImageTest, ABadValueIsQuotedByAShortExcerptOnly) {
  // Near the size bound: the whole value in a message box took seconds to lay out.
  Write("long.zel", ZelText({"0", std::string(60'000, '7') + "x"}));
  std::array<int32_t, shell::kZelWords> words{};
  const std::optional<std::string> error = shell::ReadZelFile(Path("long.zel"), words);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("value 2 (\"77777777777777777777...\")"), std::string::npos) << *error;
  EXPECT_LT(error->size(), Path("long.zel").size() + 100);
}

TEST_F(SyncImageTest, AValueWithANulInsideIsNoNumber) {
  Write("nul.zel", ZelText({"1", std::string("5\0" "7", 3), std::string("\"6\0\"", 4)}));
  std::array<int32_t, shell::kZelWords> words;
  words.fill(77);
  const std::optional<std::string> error = shell::ReadZelFile(Path("nul.zel"), words);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("value 2 (\"5?7\")"), std::string::npos) << *error;
  EXPECT_EQ(words[0], 77);
}

TEST_F(SyncImageTest, OnlyRegularFilesWithinTheBoundAreRead) {
  ASSERT_EQ(mkfifo(Path("pipe.zel").c_str(), 0644), 0);
  Write("big.zel", ZelText({}) + std::string(shell::kZelMaxBytes, ' '));
  Write("big.csv", std::string(shell::kCsvMaxBytes + 1, '\n'));
  std::array<int32_t, shell::kZelWords> words{};
  std::vector<std::string> lines;
  const std::optional<std::string> errors[] = {
      shell::ReadZelFile(Path("pipe.zel"), words),
      shell::ReadZelFile(Path("big.zel"), words),
      shell::ReadCsvFile(Path("big.csv"), lines),
  };
  const char* described[] = {"not a regular file", "larger than 65536 bytes",
                             "larger than 65536 bytes"};
  for (size_t i = 0; i < std::size(errors); ++i) {
    ASSERT_TRUE(errors[i].has_value()) << i;
    EXPECT_NE(errors[i]->find(described[i]), std::string::npos) << *errors[i];
  }
}

TEST_F(SyncImageTest, ACellLongerThanTheBoundRefusesTheImport) {
  const std::string rows = "Group0,1\r\nGroup1,0\r\n";
  const std::string tail = "Group3\r\nGroup4\r\nGroup5\r\nGroup6\r\nGroup7\r\n";
  struct Case {
    const char* name;
    std::string group2;
    bool refused;
  };
  const Case cases[] = {
      {"at-bound.csv", "Group2," + std::string(shell::kCsvCellMaxLength, '1'), false},
      {"no-commas.csv", std::string(shell::kCsvCellMaxLength + 1, '1'), true},
      {"long-field.csv", "Group2,1," + std::string(40'000, '0') + ",1", true},
  };
  for (const Case& c : cases) {
    Write(c.name, "Sync. Ax\r\n" + rows + c.group2 + "\r\n" + tail);
    std::vector<std::string> lines = {"untouched"};
    const std::optional<std::string> error = shell::ReadCsvFile(Path(c.name), lines);
    EXPECT_EQ(error.has_value(), c.refused) << c.name;
    if (!c.refused) continue;
    EXPECT_NE(error->find("line 4 holds a cell of more than 64 characters"), std::string::npos)
        << *error;
    EXPECT_LT(error->size(), Path(c.name).size() + 120);
    EXPECT_EQ(lines, std::vector<std::string>{"untouched"});
  }
}

TEST_F(SyncImageTest, AReadOnlyFileIsNotReplaced) {
  Write("locked.zel", "old");
  Write("locked.csv", "old");
  for (const char* name : {"locked.zel", "locked.csv"}) chmod(Path(name).c_str(), 0444);
  const std::optional<std::string> errors[] = {
      shell::WriteZelFile(Path("locked.zel"), true),
      shell::WriteCsvFile(Path("locked.csv"), {"a"}),
  };
  for (const auto& error : errors) {
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("Permission denied"), std::string::npos) << *error;
  }
  EXPECT_EQ(Read("locked.zel"), "old");
  EXPECT_EQ(Read("locked.csv"), "old");
}

TEST_F(SyncImageTest, AFailedWriteIsDescribed) {
  fs::create_directory(Path("dir.zel"));  // a folder cannot be replaced by a file
  const std::optional<std::string> error = shell::WriteZelFile(Path("dir.zel"), true);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("dir.zel"), std::string::npos);
  EXPECT_TRUE(shell::WriteZelFile(Path("nofolder/x.zel"), true).has_value());
}

TEST(SyncImageGrid, Axis15IsReadFromBit15AndWrittenAsBits15To31) {
  TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  PrgData.fill(0);
  PrgData[3 * 8 + 0] = 32768;   // model 3, group 0: bit 15 alone
  PrgData[3 * 8 + 1] = -32768;  // bits 15-31
  PrgData[3 * 8 + 2] = 0b101;   // axes 0 and 2
  shell::ReadPrgData(grid, 3);
  EXPECT_EQ(grid.CellText(1, 16), "1");
  EXPECT_EQ(grid.CellText(2, 16), "1");
  EXPECT_EQ(grid.CellText(3, 1), "1");
  EXPECT_EQ(grid.CellText(3, 2), "0");
  EXPECT_EQ(grid.CellText(3, 3), "1");
  shell::WritePrgData(grid, 3);
  EXPECT_EQ(PrgData[24], -32768);
  EXPECT_EQ(PrgData[25], -32768);
  EXPECT_EQ(PrgData[26], 0b101);
  EXPECT_EQ(PrgData[2 * 8], 0);  // other models untouched
}

TEST(SyncImageGrid, OnlyCellsHoldingANumberAboveZeroAreMembers) {
  TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  const char* texts[] = {"1", "0", "", "x", "5", "-1", " 1", "1a"};
  for (int c = 1; c <= 8; ++c) grid.SetCellText(1, c, texts[c - 1]);
  shell::WritePrgData(grid, 0);
  EXPECT_EQ(PrgData[0], 0b11010001);
}

TEST(SyncImageCsv, LinesJoinTheCellsWithoutLineBreaks) {
  TableGrid grid(2, 3);
  grid.SetCellText(0, 0, "Sync. Ax");
  grid.SetCellText(0, 1, "Ax00");
  grid.SetCellText(0, 2, "Ax\r\n01");
  grid.SetCellText(1, 0, "Group0");
  grid.SetCellText(1, 1, "1");
  grid.SetCellText(1, 2, "0");
  EXPECT_EQ(shell::WriteCSVString(grid),
            (std::vector<std::string>{"Sync. Ax,Ax00,Ax01", "Group0,1,0"}));
}

TEST(SyncImageCsv, SetGridDataRepeatsTheRestOfAShortLine) {
  TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  std::string longLine = "Group1";
  for (int i = 0; i < 20; ++i) longLine += i % 2 ? ",0" : ",1";
  shell::SetGridData(grid, {"Corner,,\"q\"", "Group0,1,1", longLine});
  EXPECT_EQ(grid.CellText(0, 0), "Corner");
  EXPECT_EQ(grid.CellText(0, 1), "");
  for (int c = 2; c < 17; ++c) EXPECT_EQ(grid.CellText(0, c), "\"q\"") << c;
  for (int c = 1; c < 17; ++c) EXPECT_EQ(grid.CellText(1, c), "1") << c;
  EXPECT_EQ(grid.CellText(2, 16), "0");  // fields past the 17th are ignored
  EXPECT_EQ(grid.CellText(3, 1), "");     // rows without a line stay as they were
}

TEST_F(SyncImageTest, CsvFileNeedsNineLines) {
  Write("eight.csv", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n");
  std::vector<std::string> lines;
  const std::optional<std::string> error = shell::ReadCsvFile(Path("eight.csv"), lines);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("8 of 9"), std::string::npos);
  Write("ten.csv", "0\r\n1\r\n\r\n3\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
  ASSERT_EQ(shell::ReadCsvFile(Path("ten.csv"), lines), std::nullopt);
  EXPECT_EQ(lines, (std::vector<std::string>{"0", "1", "", "3", "4", "5", "6", "7", "8"}));
}

TEST(SyncImageNames, BaseNameStopsAtTheExtensionOfTheFileItself) {
  struct Case {
    const char* path;
    const char* base;
  };
  const Case cases[] = {
      {"/d/set.zel", "/d/set"},
      {"/d/set.v2.zel", "/d/set.v2"},
      {"/d.dir/set", "/d.dir/set"},  // no extension: the whole name
      {"/d/set", "/d/set"},
  };
  for (const Case& c : cases) {
    shell::SetDataSetNames(c.path);
    EXPECT_EQ(shell::CurFileName, c.path);
    EXPECT_EQ(axisdata::BaseFileName, c.base);
    EXPECT_EQ(shell::CsvFileName, std::string(c.base) + ".CSV");
  }
}

// The point-table editor's set, named from the base name its Save writes by.
TEST(SyncImageNames, KavDataSetPathIsTheSetOfTheBaseName) {
  struct Case {
    const char* zel;
    const char* base;
    const char* shown;
  };
  const Case cases[] = {
      {"/d/new.zel", "/d/new", "/d/new.zel"},
      {"/d/Set.ZEL", "/d/Set", "/d/Set.ZEL"},            // the name as chosen
      {"/d/new.zel", "/d/default", "/d/default.zel"},  // the editor opened another set
  };
  for (const Case& c : cases) {
    shell::CurFileName = c.zel;
    axisdata::BaseFileName = c.base;
    EXPECT_EQ(shell::KavDataSetPath(), c.shown) << c.zel << " " << c.base;
  }
}

TEST_F(SyncImageTest, ShippedDefaultFilesAreWhatTheWritersProduce) {
  // The same steps as the tool that writes them: an empty image, English headers.
  PrgData.fill(0);
  TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  shell::SetSyncGridHeaders(grid, "Sync. Ax");
  shell::ReadPrgData(grid, 0);
  ASSERT_EQ(shell::WriteZelFile(Path("default.zel"), true), std::nullopt);
  ASSERT_EQ(shell::WriteCsvFile(Path("default.csv"), shell::WriteCSVString(grid)), std::nullopt);
  for (const char* name : {"default.zel", "default.csv"}) {
    std::ifstream shipped(std::string(VUZ_SOURCE_DATA) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << shipped.rdbuf();
    EXPECT_EQ(text.str(), Read(name)) << name;
  }
}
