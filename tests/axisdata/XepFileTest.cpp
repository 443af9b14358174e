#include <limits>

#include "KavFileFixture.h"
#include "axisdata/FileInput.h"

using namespace axisdata;

namespace {

using XepFile = KavFileTest;

constexpr int kXepLines = 840;

// Words 0-1679 all different, every third one negative, the extremes included.
std::array<std::int32_t, kExtPointWords> Pattern() {
  std::array<std::int32_t, kExtPointWords> words{};
  for (int i = 0; i < kExtPointCarried; ++i) words[i] = (i % 3 == 0 ? -1 : 1) * (i * 1013 + 1);
  words[10] = std::numeric_limits<std::int32_t>::min();
  words[11] = std::numeric_limits<std::int32_t>::max();
  return words;
}

// The pattern's 1680 values joined by the separator.
std::string Values(const std::string& separator) {
  const auto words = Pattern();
  std::string text;
  for (int i = 0; i < kExtPointCarried; ++i) {
    text += (i ? separator : "") + std::to_string(words[i]);
  }
  return text;
}

TEST_F(XepFile, WritesTwoDecimalWordsPerLine) {
  ExtPointData = Pattern();
  ASSERT_EQ(WriteXepFile(Path("a.XEP")), std::nullopt);
  const std::vector<std::string> lines = Lines("a.XEP");
  ASSERT_EQ(lines.size(), kXepLines);
  EXPECT_EQ(lines[0], "-1,1014");
  EXPECT_EQ(lines[5], "-2147483648,2147483647");
  EXPECT_EQ(lines[839], "1699815,1700828");
}

TEST_F(XepFile, RoundTripRestoresWordsAndLeavesWord1680) {
  ExtPointData = Pattern();
  ASSERT_EQ(WriteXepFile(Path("a.XEP")), std::nullopt);
  ExtPointData.fill(0);
  ExtPointData[1680] = 77;
  ASSERT_EQ(ReadXepFile(Path("a.XEP")), std::nullopt);
  for (int i = 0; i < kExtPointCarried; ++i) ASSERT_EQ(ExtPointData[i], Pattern()[i]) << i;
  EXPECT_EQ(ExtPointData[1680], 77);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(XepFile, ValuesSpreadOverLinesOtherwiseReadTheSame) {
  for (const char* separator : {",", "\r\n", "\n", " , "}) {
    WriteFile("a.XEP", Values(separator) + ",5,6\r\n");
    ExtPointData.fill(0);
    ASSERT_EQ(ReadXepFile(Path("a.XEP")), std::nullopt);
    for (int i = 0; i < kExtPointCarried; ++i) ASSERT_EQ(ExtPointData[i], Pattern()[i]) << i;
  }
}

struct BadXep {
  const char* name;
  std::string text;
};
void PrintTo(const BadXep& c, std::ostream* os) { *os << c.name; }

class BadXepFile : public XepFile, public testing::WithParamInterface<BadXep> {};

TEST_P(BadXepFile, LeavesTheWordsUnchangedAndSaysWhichFile) {
  WriteFile("bad.XEP", GetParam().text);
  ExtPointData.fill(9);
  EXPECT_EQ(ReadXepFile(Path("bad.XEP")), "Invalid file data format.\n" + Path("bad.XEP"));
  for (const std::int32_t word : ExtPointData) ASSERT_EQ(word, 9);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadXepFile,
    testing::Values(BadXep{"EndsAfter1679Values", Values(",").substr(0, Values(",").rfind(','))},
                    BadXep{"NumberBeyond32Bits", "2147483648," + Values(",")},
                    BadXep{"NotANumber", "12a," + Values(",")},
                    BadXep{"Fraction", "1.5," + Values(",")},
                    BadXep{"EmptyField", "1,," + Values(",")},
                    BadXep{"Empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(XepFile, MissingFileKeepsItsMessage) {
  ExtPointData.fill(4);
  EXPECT_EQ(ReadXepFile(Path("none.XEP")), "Extended Position file isn't exist.");
  EXPECT_EQ(ExtPointData[0], 4);
}

TEST_F(XepFile, RefusesAFolderAndATooLargeFile) {
  std::filesystem::create_directory(Path("dir.XEP"));
  WriteFile("big.XEP", Values("\r\n") + std::string(300 * 1024, '\n'));
  for (const char* name : {"dir.XEP", "big.XEP"}) {
    EXPECT_EQ(ReadXepFile(Path(name)), "Invalid file data format.\n" + Path(name));
  }
}

TEST_F(XepFile, FailedWriteIsReported) {
  const std::optional<std::string> error = WriteXepFile(Path("no/such/folder/a.XEP"));
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("a.XEP"), std::string::npos);
}

}  // namespace
