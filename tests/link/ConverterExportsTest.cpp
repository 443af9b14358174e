// The converters through the library's exported names: every record kind writes a line that
// fits its documented buffer and parses back, and null arguments are refused.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "klvndrv.h"

namespace vuz::test {
namespace {

using Image = std::vector<std::uint32_t>;
constexpr char kUntouched = '#';

struct Converter {
  const char* name;
  std::int32_t (*write)(char*, const uint32_t*);
  std::int32_t (*parse)(const char*, uint32_t*);
  std::size_t line_size;
};
void PrintTo(const Converter& c, std::ostream* os) { *os << c.name; }

// The step writer at step 7.
std::int32_t csv_step7(char* line, const uint32_t* image) { return csv_mor_step(line, image, 21); }

class ConverterExportsTest : public testing::TestWithParam<Converter> {};

INSTANTIATE_TEST_SUITE_P(
    Exports, ConverterExportsTest,
    testing::Values(Converter{"Step", csv_step7, bin_mor_step, KLVNDRV_STEP_LINE_SIZE},
                    Converter{"Prm", csv_mor_prm, bin_mor_prm, KLVNDRV_PRM_LINE_SIZE},
                    Converter{"ExPrm", csv_morex_prm, bin_morex_prm, KLVNDRV_EXPRM_LINE_SIZE},
                    Converter{"Prm35", csv_mor35_prm, bin_mor35_prm, KLVNDRV_PRM35_LINE_SIZE},
                    Converter{"Prm77", csv_mor77_prm, bin_mor77_prm, KLVNDRV_PRM77_LINE_SIZE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ConverterExportsTest, LinesFitTheirBufferAndParseBack) {
  const Converter& c = GetParam();
  std::mt19937 random(7);
  for (int i = 0; i < 50; ++i) {
    Image image(KLVNDRV_STEP_IMAGE_WORDS);
    for (auto& word : image) word = static_cast<std::uint32_t>(random());
    std::string buffer(c.line_size + 16, kUntouched);
    const std::int32_t length = c.write(buffer.data(), image.data());
    ASSERT_EQ(static_cast<std::size_t>(length), std::strlen(buffer.c_str()));
    ASSERT_EQ(buffer.find_first_not_of(kUntouched, c.line_size), std::string::npos);
    Image back(KLVNDRV_STEP_IMAGE_WORDS);
    ASSERT_EQ(c.parse(buffer.c_str(), back.data()), 1) << buffer.c_str();
    std::string again(c.line_size, kUntouched);
    c.write(again.data(), back.data());
    EXPECT_STREQ(again.c_str(), buffer.c_str());
  }
}

TEST_P(ConverterExportsTest, NullArgumentsGiveZero) {
  const Converter& c = GetParam();
  Image image(KLVNDRV_STEP_IMAGE_WORDS);
  char line[KLVNDRV_MOR_LINE_SIZE] = "x";
  EXPECT_EQ(c.write(nullptr, image.data()), 0);
  EXPECT_EQ(c.write(line, nullptr), 0);
  EXPECT_STREQ(line, "x");
  EXPECT_EQ(c.parse(nullptr, image.data()), 0);
  EXPECT_EQ(c.parse(line, nullptr), 0);
}

TEST(ConverterExportsStepTest, AWordIndexOutsideTheStepsGivesTheEmptyLine) {
  Image image(KLVNDRV_STEP_IMAGE_WORDS);
  char line[KLVNDRV_STEP_LINE_SIZE] = "x";
  EXPECT_EQ(csv_mor_step(line, image.data(), 2998), 0);
  EXPECT_STREQ(line, "");
  EXPECT_EQ(csv_mor_step(line, image.data(), -1), 0);
  EXPECT_EQ(csv_mor_step(line, image.data(), 2997), 88 + 1);
}

}  // namespace
}  // namespace vuz::test
