#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "KavFileFixture.h"
#include "axisdata/FileInput.h"

using namespace axisdata;

namespace {

constexpr int kEepLines = 156;

// Every word different, a good share of them negative.
AxisWords Pattern() {
  AxisWords words{};
  for (int i = 0; i < kAxisWords; ++i) {
    words[i] = static_cast<std::int32_t>(0x9E3779B9u * static_cast<std::uint32_t>(i + 1));
  }
  return words;
}

// Where line `line` (0-based) of a CR LF text starts; the text's end when it has fewer lines.
std::string::size_type LineStart(const std::string& text, int line) {
  std::string::size_type pos = 0;
  for (int i = 0; i < line && pos < text.size(); ++i) {
    const std::string::size_type end = text.find("\r\n", pos);
    pos = end == std::string::npos ? text.size() : end + 2;
  }
  return pos;
}

// Whether text has the form, '#' standing for any decimal digit.
bool MatchesDigits(const std::string& text, const std::string& form) {
  if (text.size() != form.size()) return false;
  for (std::size_t i = 0; i < form.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (form[i] == '#' ? !digit : text[i] != form[i]) return false;
  }
  return true;
}

// The line that holds the first words of base point p.
int FirstPointLine(int p) { return 12 + 9 * p; }

class EepFile : public KavFileTest {
 protected:
  // A well-formed file of the pattern's words, written by the program from axis 2.
  std::string PatternFile(const std::string& name) {
    AxisData[2] = pattern;
    EXPECT_EQ(WriteEepFile(2, Path(name)), std::nullopt);
    return ReadFile(name);
  }

  const AxisWords pattern = Pattern();
};

TEST_F(EepFile, AnAllZeroAxisWritesZerosOnEveryLine) {
  ASSERT_EQ(WriteEepFile(0, Path("a.EEP")), std::nullopt);
  const std::vector<std::string> lines = Lines("a.EEP");
  ASSERT_EQ(lines.size(), kEepLines);
  EXPECT_EQ(lines[0], ";********* Made By MORTool 2.10 *********");
  EXPECT_TRUE(MatchesDigits(lines[1], "; Date = ##-##-#### , Time = ##:##:##")) << lines[1];
  EXPECT_EQ(lines[2], ";------------ COMMON DATA ------------");
  const std::string zeros = "00:00000000,00000000,00000000,00000000";
  for (int block = 0; block < 17; ++block) {
    const int first = 3 + 9 * block;  // title line, then eight data lines
    if (block > 0) {
      const std::string point(1, "0123456789ABCDEF"[block - 1]);
      EXPECT_EQ(lines[first - 1], ";------------ POINT 0" + point + " DATA ----------");
    }
    for (int line = first; line < first + 8; ++line) EXPECT_EQ(lines[line], zeros) << line;
  }
  EXPECT_EQ(lines[155], "00:00000000");
}

TEST_F(EepFile, RoundTripKeepsEveryValueAndResetsAddresses) {
  PatternFile("a.EEP");
  for (auto& axis : AxisData) axis.fill(-1);
  ASSERT_EQ(ReadEepFile(2, Path("a.EEP")), std::nullopt);
  const AxisWords& read = AxisData[2];
  for (int k = 0; k < kBlockWords; ++k) {
    EXPECT_EQ(CommonAddr(read)[k], k);
    EXPECT_EQ(CommonValue(read)[k], CommonValue(pattern)[k]);
    for (int p = 0; p < kBasePoints; ++p) {
      EXPECT_EQ(PointAddr(read, p)[k], k);
      EXPECT_EQ(PointValue(read, p)[k], PointValue(pattern, p)[k]);
    }
  }
  EXPECT_EQ(ExpansionWord(read), ExpansionWord(pattern));
  EXPECT_EQ(AxisData[1], AxisData[3]) << "only the axis read changes";
  EXPECT_TRUE(ui.messages.empty());
}

TEST(EepText, ReadingSetsOnlyTheWordsOfItsBlocks) {
  AxisWords read;
  read.fill(-1);
  ASSERT_TRUE(ParseEepText(EepText(Pattern(), 0), read));
  for (int i = 0; i < kAxisWords; ++i) {
    const bool inBlock = i < kFirstPointWord + kBasePoints * kPointBlockWords;
    const bool address = inBlock && i % kPointBlockWords < kBlockWords;
    if (address) {
      ASSERT_EQ(read[i], i % kPointBlockWords) << "word " << i;
    } else {
      ASSERT_EQ(read[i], inBlock || i == kExpansionWord ? Pattern()[i] : -1) << "word " << i;
    }
  }
}

TEST_F(EepFile, NegativeWordsAndAddressPrefixes) {
  CommonValue(AxisData[0])[0] = -2;
  CommonValue(AxisData[0])[1] = -1;
  CommonAddr(AxisData[0])[4] = 0x1AB;
  ExpansionWord(AxisData[0]) = 90 << 24;
  ASSERT_EQ(WriteEepFile(0, Path("a.EEP")), std::nullopt);
  const std::vector<std::string> lines = Lines("a.EEP");
  ASSERT_EQ(lines.size(), kEepLines);
  EXPECT_EQ(lines[3], "00:FFFFFFFE,FFFFFFFF,00000000,00000000");
  EXPECT_EQ(lines[4], "AB:00000000,00000000,00000000,00000000");
  EXPECT_EQ(lines[155], "00:5A000000");
  AxisData[0].fill(0);
  ASSERT_EQ(ReadEepFile(0, Path("a.EEP")), std::nullopt);
  EXPECT_EQ(CommonValue(AxisData[0])[0], -2);
  EXPECT_EQ(CommonAddr(AxisData[0])[4], 4);
  EXPECT_EQ(ExpansionWord(AxisData[0]), 90 << 24);
}

TEST_F(EepFile, MissingLastLineGivesExpansionWordZero) {
  std::string text = PatternFile("a.EEP");
  text.erase(text.rfind("00:"));
  WriteFile("a.EEP", text);
  AxisData[2].fill(0);
  ASSERT_EQ(ReadEepFile(2, Path("a.EEP")), std::nullopt);
  EXPECT_EQ(ExpansionWord(AxisData[2]), 0);
  EXPECT_EQ(PointValue(AxisData[2], 15)[31], PointValue(pattern, 15)[31]);
}

TEST_F(EepFile, ShortFieldsAndOtherLineEndsAreRead) {
  std::string text = PatternFile("a.EEP");
  // The first common line, its second field written with fewer digits.
  const std::string::size_type line = LineStart(text, 3);
  text.replace(line, text.find("\r\n", line) - line, "00:00000001,2A,00000003,00000004");
  std::erase(text, '\r');
  WriteFile("a.EEP", text);
  ASSERT_EQ(ReadEepFile(2, Path("a.EEP")), std::nullopt);
  EXPECT_EQ(CommonValue(AxisData[2])[1], 0x2A);
  EXPECT_EQ(CommonValue(AxisData[2])[2], 3);
  EXPECT_EQ(PointValue(AxisData[2], 7)[5], PointValue(pattern, 7)[5]);
}

// What a text editor leaves at the end of a file is no fault of the file.
struct EepEnding {
  const char* name;
  std::string (*change)(std::string text);
  bool expansionKept;  // else the expansion line is gone and the word reads as 0
};
void PrintTo(const EepEnding& c, std::ostream* os) { *os << c.name; }

class EepFileEnding : public EepFile, public testing::WithParamInterface<EepEnding> {};

TEST_P(EepFileEnding, IsReadWhole) {
  WriteFile("end.EEP", GetParam().change(PatternFile("a.EEP")));
  AxisData[2].fill(0);
  ASSERT_EQ(ReadEepFile(2, Path("end.EEP")), std::nullopt);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(PointValue(AxisData[2], 15)[31], PointValue(pattern, 15)[31]);
  EXPECT_EQ(ExpansionWord(AxisData[2]), GetParam().expansionKept ? ExpansionWord(pattern) : 0);
}

INSTANTIATE_TEST_SUITE_P(
    TrailingBlanks, EepFileEnding,
    testing::Values(
        EepEnding{"EmptyLineAfterTheLastPoint",
                  [](std::string t) { return t.substr(0, LineStart(t, 155)) + "\r\n"; }, false},
        EepEnding{"EmptyLinesAndBlanksAfterTheLastPoint",
                  [](std::string t) { return t.substr(0, LineStart(t, 155)) + "\r\n  \r\n\n"; },
                  false},
        EepEnding{"EmptyLinesAfterTheExpansionLine",
                  [](std::string t) { return t + "\r\n\r\n"; }, true},
        EepEnding{"BlanksAfterTheExpansionValue",
                  [](std::string t) { return t.insert(t.size() - 2, " \t") + "\r\n"; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A file that fails part-way leaves the axis exactly as it was and names the file.
struct BadEep {
  const char* name;
  std::string (*spoil)(std::string text);
};
void PrintTo(const BadEep& c, std::ostream* os) { *os << c.name; }

class BadEepFile : public EepFile, public testing::WithParamInterface<BadEep> {};

TEST_P(BadEepFile, LeavesTheAxisUnchangedAndSaysWhichFile) {
  const std::string text = GetParam().spoil(PatternFile("a.EEP"));
  WriteFile("bad.EEP", text);
  AxisData[2].fill(0);
  AxisData[2][100] = 7;
  const AxisWords kept = AxisData[2];
  RecordingViews views;
  EXPECT_EQ(ReadEepFile(2, Path("bad.EEP")), "Invalid file data format.\n" + Path("bad.EEP"));
  EXPECT_EQ(AxisData[2], kept);
  EXPECT_TRUE(views.calls.empty()) << "the editor is not refreshed";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadEepFile,
    testing::Values(
        // The fields after it shift; the next title line is then read as a value.
        BadEep{"DataLineOfThreeFields",
               [](std::string t) {
                 return t.erase(LineStart(t, FirstPointLine(3) + 1) - 2 - 9, 9);
               }},
        BadEep{"FieldNotHexadecimal",
               [](std::string t) { return t.replace(LineStart(t, 5) + 3, 1, "G"); }},
        BadEep{"EndsEarly", [](std::string t) { return t.substr(0, LineStart(t, 100)); }},
        BadEep{"OnlyTheHeader", [](std::string t) { return t.substr(0, LineStart(t, 3)); }},
        BadEep{"BlankLineBeforeTheExpansionLine",
               [](std::string t) { return t.insert(LineStart(t, 155), "\r\n"); }},
        BadEep{"TextAfterTheLastPoint",
               [](std::string t) { return t.substr(0, LineStart(t, 155)) + "x\r\n"; }},
        BadEep{"Empty", [](std::string) { return std::string(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EepFile, MissingFileNamesTheAxis) {
  AxisData[10][40] = 5;
  const AxisWords before = AxisData[10];
  EXPECT_EQ(ReadEepFile(10, Path("none.EEP")), "Axis NumberA:  file isn't exist.");
  EXPECT_EQ(AxisData[10], before);
}

TEST_F(EepFile, RefusesWhatIsNoRegularFileOrTooLarge) {
  std::filesystem::create_directory(Path("dir.EEP"));
  ASSERT_EQ(mkfifo(Path("fifo.EEP").c_str(), 0600), 0);
  WriteFile("big.EEP", PatternFile("a.EEP") + std::string(100 * 1024, ';'));
  AxisData[2].fill(3);
  for (const char* name : {"dir.EEP", "fifo.EEP", "big.EEP"}) {
    EXPECT_EQ(ReadEepFile(2, Path(name)), "Invalid file data format.\n" + Path(name));
  }
  EXPECT_EQ(AxisData[2][0], 3);
}

TEST_F(EepFile, ReadRefreshesTheCommonParameterEditor) {
  PatternFile("a.EEP");
  RecordingViews views;
  ASSERT_EQ(ReadEepFile(5, Path("a.EEP")), std::nullopt);
  EXPECT_EQ(views.calls, std::vector<std::string>{"ReadComParam 5"});
}

TEST_F(EepFile, FailedWriteIsReportedAndLeavesNoFile) {
  const std::optional<std::string> error = WriteEepFile(0, Path("no/such/folder/a.EEP"));
  ASSERT_TRUE(error);
  EXPECT_NE(error->find(Path("no/such/folder/a.EEP")), std::string::npos);
}

TEST_F(EepFile, WriteReplacesAnExistingFileWhole) {
  WriteFile("a.EEP", std::string(20000, 'x'));
  ASSERT_EQ(WriteEepFile(0, Path("a.EEP")), std::nullopt);
  EXPECT_EQ(Lines("a.EEP").size(), kEepLines);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("")),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file is left behind";
}

}  // namespace
