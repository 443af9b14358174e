#include "editors/KavDataSet.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
  const char* name;
  std::vector<std::int16_t> axes;
  bool extPoints;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class NotTransferred : public testing::TestWithParam<TextCase> {};

TEST_P(NotTransferred, NamesWhatDidNotComplete) {
  const TextCase& c = GetParam();
  EXPECT_EQ(editors::NotTransferredText(c.axes, c.extPoints), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Batches, NotTransferred,
    testing::Values(
        TextCase{"AxesAndExtendedPoints", {3, 4, 5}, true,
                 "Not transferred: axes 3, 4, 5 and the extended points."},
        TextCase{"OneAxisInHexadecimal", {10}, false, "Not transferred: axis A."},
        TextCase{"ExtendedPointsOnly", {}, true, "Not transferred: the extended points."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
