#include <gtest/gtest.h>

#include "axisdata/TextRoutines.h"

using namespace axisdata;

namespace {

using Parts = std::vector<std::string>;

TEST(PathFileName, TextAfterTheLastSeparator) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\data\\a.zel", "a.zel"}, {"data\\", ""},          {"a.zel", "a.zel"}, {"", ""},
      {"/home/u/x.EEP", "x.EEP"},   {"a/b\\c.csv", "c.csv"}, {"/", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(PathFileName(path), name) << path;
}

TEST(SplitText, Splits) {
  struct Case {
    const char* text;
    const char* delimiter;
    std::int32_t limit;
    std::int32_t compare;
    Parts parts;
  };
  const Case cases[] = {
      {"a  b", " ", -1, kDefaultCompare, {"a", "", "b"}},
      {"", " ", -1, kDefaultCompare, {}},
      {"a b", "", -1, kDefaultCompare, {"a b"}},
      {"a b", " ", 0, kDefaultCompare, {"a b"}},
      {"ab", "abc", -1, kDefaultCompare, {"ab"}},
      {"a b c", " ", 1, kDefaultCompare, {"a", "b c"}},
      {"a b c", " ", 5, kDefaultCompare, {"a", "b", "c"}},
      {"a,", ",", -1, kDefaultCompare, {"a", ""}},
      {",", ",", -1, kDefaultCompare, {"", ""}},
      {"aXbxc", "x", -1, kTextCompare, {"a", "b", "c"}},
      {"aXbxc", "x", -1, kBinaryCompare, {"aXb", "c"}},
      {"aXbxc", "x", -1, kDefaultCompare, {"aXb", "c"}},
      {"1<>2<>3", "<>", -1, kDefaultCompare, {"1", "2", "3"}},
      {"-E file.MOR", " ", -1, kDefaultCompare, {"-E", "file.MOR"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitText(c.text, c.delimiter, c.limit, c.compare), c.parts)
        << '"' << c.text << "\" at \"" << c.delimiter << "\" limit " << c.limit;
  }
}

TEST(InStrRevPos, LastOccurrenceEndingAtOrBeforeStart) {
  struct Case {
    const char* text;
    const char* find;
    std::int32_t start;
    std::int32_t compare;
    std::int32_t position;
  };
  const Case cases[] = {
      {"a.b.c", ".", -1, kDefaultCompare, 4}, {"a.b.c", ".", 3, kDefaultCompare, 2},
      {"a.b.c", ".", 5, kDefaultCompare, 4},  {"a.b.c", ".", 1, kDefaultCompare, 0},
      {"a.b.c", ".", 6, kDefaultCompare, 0},  // beyond the end
      {"a.b.c", ".", 0, kDefaultCompare, 0},  {"a.b.c", ".", -2, kDefaultCompare, 0},
      {"a.b.c", "", -1, kDefaultCompare, 0},  {"abc", "x", -1, kDefaultCompare, 0},
      {"abab", "ab", 3, kDefaultCompare, 1},  {"abab", "ab", 4, kDefaultCompare, 3},
      {"aBc", "b", -1, kTextCompare, 2},      {"aBc", "b", -1, kBinaryCompare, 0},
      {"", ".", -1, kDefaultCompare, 0},      {"ab", "abc", -1, kDefaultCompare, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InStrRevPos(c.text, c.find, c.start, c.compare), c.position)
        << '"' << c.text << "\" \"" << c.find << "\" " << c.start;
  }
}

TEST(StripCrLf, RemovesPairsOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\r\n\r\nb", "ab"}, {"a\rb\nc", "a\rb\nc"}, {"\n\r", "\n\r"}, {"x\r\n", "x"}, {"", ""},
  };
  for (const auto& [text, stripped] : cases) EXPECT_EQ(StripCrLf(text), stripped);
}

TEST(UnsignedToLong, ReadsTheUnsignedRangeAsSigned) {
  const std::pair<std::int64_t, std::int32_t> cases[] = {
      {0, 0},
      {2147483647, 2147483647},
      {2147483648, -2147483647 - 1},
      {4278190080, -16777216},  // expansion byte 0xFF in bits 24-31
      {4294967295, -1},
      {4294967296, 0},
      {4294967297, 0},
      {-5, -5},
      {-2147483649, 0},
  };
  for (const auto& [number, word] : cases) EXPECT_EQ(UnsignedToLong(number), word) << number;
}

}  // namespace
