// The controller record lines: layouts, the odd values, and round trips for every record kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ParameterRecords.h"
#include "StepRecord.h"
#include "klvndrv.h"

namespace {

using klvn::kStepImageWords;
using Image = std::vector<std::uint32_t>;

constexpr std::int32_t kStep7 = 21;  // word index of step 7

Image Blank() { return Image(kStepImageWords, 0); }

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// The line in a buffer of exactly its length, so a read past its end is caught by ASan.
bool ParseExact(const std::function<bool(std::string_view, Image&)>& parse, const std::string& line,
                Image& image) {
  auto buffer = std::make_unique<char[]>(line.size());
  std::copy(line.begin(), line.end(), buffer.get());
  return parse(std::string_view(buffer.get(), line.size()), image);
}

// ---- every record kind -------------------------------------------------------------------

struct RecordKind {
  const char* name;
  std::function<std::string(const Image&)> write;
  std::function<bool(std::string_view, Image&)> parse;
  std::vector<std::size_t> words;
  // What of a word the line carries; the round trip gives this back.
  std::function<void(Image&)> carried;
  std::size_t line_size;
};
void PrintTo(const RecordKind& kind, std::ostream* os) { *os << kind.name; }

std::uint32_t ByteAtMost99(std::uint32_t word) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= std::min<std::uint32_t>(word >> shift & 0xFF, 99) << shift;
  return out;
}

std::vector<std::size_t> Range(std::size_t first, std::size_t count) {
  std::vector<std::size_t> words(count);
  for (std::size_t i = 0; i < count; ++i) words[i] = first + i;
  return words;
}

const RecordKind kKinds[] = {
    {"Step", [](const Image& im) { return klvn::step_line(im, kStep7); },
     [](std::string_view line, Image& im) { return klvn::parse_step_line(line, im) == kStep7; },
     Range(kStep7, 3),
     [](Image& im) {
       // The bit list names only the lowest five of bits 0-7.
       std::uint32_t& w0 = im[kStep7];
       for (int bit = 0, listed = 0; bit < 8; ++bit) {
         if (!(w0 >> bit & 1)) continue;
         if (++listed > 5) w0 &= ~(1u << bit);
       }
     },
     KLVNDRV_STEP_LINE_SIZE},
    {"Prm", [](const Image& im) { return klvn::prm_line(im); },
     [](std::string_view line, Image& im) { return klvn::parse_prm_line(line, im); },
     {126, 127},
     [](Image& im) {
       im[126] &= ~(1u << 16);
       im[127] &= 0xFFFFu;
     },
     KLVNDRV_PRM_LINE_SIZE},
    {"ExPrm", [](const Image& im) { return klvn::ex_prm_line(im); },
     [](std::string_view line, Image& im) { return klvn::parse_ex_prm_line(line, im); },
     Range(93, 32), [](Image&) {}, KLVNDRV_EXPRM_LINE_SIZE},
    {"Prm35", [](const Image& im) { return klvn::prm35_line(im); },
     [](std::string_view line, Image& im) { return klvn::parse_prm35_line(line, im); },
     Range(300, 5),
     [](Image& im) {
       for (std::size_t w = 300; w < 304; ++w) im[w] = ByteAtMost99(im[w]);
       im[304] &= 0xF07Fu;  // bits 0-6 and 12-15
     },
     KLVNDRV_PRM35_LINE_SIZE},
    {"Prm77", [](const Image& im) { return klvn::prm77_line(im); },
     [](std::string_view line, Image& im) { return klvn::parse_prm77_line(line, im); },
     Range(768, 5), [](Image& im) { im[772] &= 0xFFFFu; }, KLVNDRV_PRM77_LINE_SIZE},
};

class RecordKindTest : public testing::TestWithParam<RecordKind> {
 protected:
  Image RandomImage() {
    Image image(kStepImageWords);
    for (std::uint32_t& word : image) word = static_cast<std::uint32_t>(random_());
    return image;
  }
  std::string RandomLine() { return GetParam().write(RandomImage()); }

  std::mt19937 random_{20240611};
};

INSTANTIATE_TEST_SUITE_P(Records, RecordKindTest, testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(RecordKindTest, RandomImagesSurviveARoundTrip) {
  const RecordKind& kind = GetParam();
  for (int i = 0; i < 500; ++i) {
    Image expected = RandomImage();
    const std::string line = kind.write(expected);
    ASSERT_LT(line.size(), kind.line_size) << line;
    Image parsed = RandomImage();
    const Image before = parsed;
    ASSERT_TRUE(ParseExact(kind.parse, line, parsed)) << line;
    kind.carried(expected);
    for (std::size_t w = 0; w < parsed.size(); ++w) {
      const bool ours = std::find(kind.words.begin(), kind.words.end(), w) != kind.words.end();
      ASSERT_EQ(parsed[w], ours ? expected[w] : before[w]) << "word " << w << " of " << line;
    }
    ASSERT_EQ(kind.write(parsed), line);
  }
}

TEST_P(RecordKindTest, ASeparatorThatIsNotACommaStopsWithZero) {
  const std::string line = RandomLine();
  for (std::size_t i = line.find(','); i != std::string::npos; i = line.find(',', i + 1)) {
    std::string broken = line;
    broken[i] = ';';
    Image image = Blank();
    EXPECT_FALSE(ParseExact(GetParam().parse, broken, image)) << broken;
  }
}

TEST_P(RecordKindTest, ALineEndingBeforeItsLastFieldStopsWithZero) {
  const std::string line = RandomLine();
  const std::size_t last_field = line.rfind(',') + 1;
  for (std::size_t length = 0; length < line.size(); ++length) {
    Image image = Blank();
    // Cut inside the last field, a number may still read as a shorter one.
    const bool parsed = ParseExact(GetParam().parse, line.substr(0, length), image);
    if (length <= last_field) {
      EXPECT_FALSE(parsed) << line.substr(0, length);
    }
  }
}

TEST_P(RecordKindTest, WhatFollowsTheLastFieldIsIgnored) {
  Image image = Blank();
  EXPECT_TRUE(ParseExact(GetParam().parse, RandomLine() + "\r\n", image));
}

// ---- step record ---------------------------------------------------------------------------

TEST(StepRecordTest, ListsTheNumbersOfTheSetLowBits) {
  struct Case {
    std::uint32_t bits;
    const char* listed;
  };
  for (const Case& c : {Case{0b1000'0101, "0,2,7,X,X"}, Case{0, "X,X,X,X,X"},
                        Case{0b0011'1111, "0,1,2,3,4"}, Case{0xFF, "0,1,2,3,4"},
                        Case{0b1111'1000, "3,4,5,6,7"}}) {
    Image image = Blank();
    image[kStep7] = c.bits;
    const auto fields = Fields(klvn::step_line(image, kStep7));
    std::string listed;
    for (int f = 2; f < 7; ++f) listed += (f > 2 ? "," : "") + fields[f];
    EXPECT_EQ(listed, c.listed) << c.bits;
  }
}

TEST(StepRecordTest, LayoutOfAKnownStep) {
  Image image = Blank();
  image[15] = 0xC000'3A05;  // bits 0 and 2, block A, bit 12, bits 13-15 = 1
  image[16] = 0x8000'0001;
  image[17] = 0xFFFF'0002;
  EXPECT_EQ(klvn::step_line(image, 15),
            "05,A,0,2,X,X,X,1,"
            "1,X,X,X,X,X,65535,0,X,X,X,X,X,1,"
            "X,X,X,X,X,X,X,X,X,3,X,X,X,X,X,X,X,X,X,0");
}

TEST(StepRecordTest, StepNumbersRunFromZeroTo999) {
  Image image = Blank();
  EXPECT_EQ(klvn::step_line(image, 0).size(), 88u);
  const std::string step100 = klvn::step_line(image, 300);
  EXPECT_EQ(step100.size(), KLVNDRV_STEP_LINE_SIZE - 1u);
  EXPECT_EQ(step100.substr(0, 4), "100,");
  EXPECT_EQ(klvn::parse_step_line(step100, image), 300);
  EXPECT_EQ(klvn::step_line(image, 2997).substr(0, 4), "999,");
  EXPECT_EQ(klvn::step_line(image, 2998), "");
  EXPECT_EQ(klvn::step_line(image, -3), "");
}

TEST(StepRecordTest, ParsingClearsTheStepsWordsFirst) {
  Image image = Blank();
  const std::string line = klvn::step_line(image, kStep7);
  std::fill(image.begin() + kStep7, image.begin() + kStep7 + 3, 0xFFFF'FFFFu);
  ASSERT_EQ(klvn::parse_step_line(line, image), kStep7);
  EXPECT_EQ(image[kStep7], 0u);
  EXPECT_EQ(image[kStep7 + 1], 0u);
  EXPECT_EQ(image[kStep7 + 2], 0u);
}

TEST(StepRecordTest, OddFieldsTheParserTakes) {
  struct Case {
    const char* name;
    int field;  // 0-based
    const char* text;
    std::uint32_t w0;
  };
  for (const Case& c : {Case{"BitNumberAboveSevenSetsNothing", 2, "9", 0},
                        Case{"EmptyField22", 21, "", 0},
                        Case{"Field22Digit", 21, "5", 5u << 13},
                        Case{"LowerCaseBlockDigit", 1, "b", 0xBu << 8},
                        Case{"FlagOtherThanOne", 7, "X", 0}}) {
    auto fields = Fields(klvn::step_line(Blank(), kStep7));
    fields[c.field] = c.text;
    std::string line;
    for (const auto& f : fields) line += (line.empty() ? "" : ",") + f;
    Image image = Blank();
    ASSERT_EQ(klvn::parse_step_line(line, image), kStep7) << c.name;
    EXPECT_EQ(image[kStep7], c.w0) << c.name;
  }
}

// ---- parameter records ---------------------------------------------------------------------

TEST(PrmRecordTest, AllZeroLine) {
  const std::string line = klvn::prm_line(Blank());
  EXPECT_EQ(line, "00,00,00,00,00,00,00,00,0,0,0,0");
  EXPECT_EQ(line.size(), 31u);
}

TEST(PrmRecordTest, Word127Bit2SurvivesARoundTrip) {
  Image image = Blank();
  image[127] = 1u << 2;
  const std::string line = klvn::prm_line(image);
  EXPECT_EQ(line, "00,00,00,00,00,00,00,00,0,0,0,1");
  Image back = Blank();
  ASSERT_TRUE(klvn::parse_prm_line(line, back));
  EXPECT_EQ(back[127], 1u << 2);
}

TEST(PrmRecordTest, AllBitsSet) {
  Image image = Blank();
  image[126] = image[127] = 0xFFFF'FFFFu;
  EXPECT_EQ(klvn::prm_line(image), "31,31,31,31,31,31,31,31,7,3,1,1");
}

TEST(ExPrmRecordTest, HalvesAreExchanged) {
  Image image = Blank();
  image[93] = 0x0001'0002;  // high half 1, low half 2
  const std::string line = klvn::ex_prm_line(image);
  EXPECT_EQ(Fields(line)[0], "131073");
  Image back = Blank();
  ASSERT_TRUE(klvn::parse_ex_prm_line(line, back));
  EXPECT_EQ(back[93], 0x0001'0002u);
}

TEST(ExPrmRecordTest, LongestLineFillsItsBuffer) {
  Image image = Blank();
  std::fill(image.begin() + 93, image.begin() + 125, 0x0000'8000u);  // -2147483648 each
  EXPECT_EQ(klvn::ex_prm_line(image).size(), KLVNDRV_EXPRM_LINE_SIZE - 1u);
}

TEST(ExPrmRecordTest, ValuesOutsideASignedWordAreRefused) {
  std::string tail;
  for (int i = 1; i < 32; ++i) tail += ",0";
  for (const char* first : {"2147483648", "-2147483649", "99999999999999999999", "-", "+"}) {
    Image image = Blank();
    EXPECT_FALSE(klvn::parse_ex_prm_line(first + tail, image)) << first;
  }
  Image image = Blank();
  EXPECT_TRUE(klvn::parse_ex_prm_line("+2147483647" + tail, image));
  EXPECT_EQ(image[93], 0xFFFF'7FFFu);
}

TEST(Prm35RecordTest, FieldsKeepTheirPositions) {
  Image image = Blank();
  const std::string zero = klvn::prm35_line(image);
  EXPECT_EQ(zero, "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,0,0,0,0,0,0");
  EXPECT_EQ(zero.size(), 59u);

  image[300] = 200u << 8 | 7u;  // first byte field above 99, second 7
  image[304] = 12u << 12;       // the 4-bit field above 9
  const std::string odd = klvn::prm35_line(image);
  EXPECT_EQ(odd, "99,07,00,00,00,00,00,00,00,00,00,00,00,00,00,00,C,0,0,0,0,0");
  Image back = Blank();
  ASSERT_TRUE(klvn::parse_prm35_line(odd, back));
  EXPECT_EQ(back[300], 99u << 8 | 7u);
  EXPECT_EQ(back[304], 12u << 12);
}

TEST(Prm77RecordTest, ByteAbove99KeepsItsValue) {
  Image image = Blank();
  image[768] = 200u << 8;
  const std::string line = klvn::prm77_line(image);
  EXPECT_EQ(Fields(line)[0], "200");
  Image back = Blank();
  ASSERT_TRUE(klvn::parse_prm77_line(line, back));
  EXPECT_EQ(back[768], 200u << 8);
}

TEST(Prm77RecordTest, LongestLineFillsItsBuffer) {
  Image image = Blank();
  std::fill(image.begin() + 768, image.begin() + 773, 0xFFFF'FFFFu);
  EXPECT_EQ(klvn::prm77_line(image),
            "255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,F,7,1,1,1,1,3,1,1,1");
  EXPECT_EQ(klvn::prm77_line(image).size(), KLVNDRV_PRM77_LINE_SIZE - 1u);
}

}  // namespace
