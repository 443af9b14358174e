#include "platform/ScreenCentre.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct FitCase {
  const char* name;
  QRect wanted;
  QRect fitted;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitIntoArea : public testing::TestWithParam<FitCase> {};

// An area below a 30-pixel panel, as a desktop gives it.
const QRect kArea(0, 30, 1920, 1050);

}  // namespace

TEST_P(FitIntoArea, MovesAndShrinksOnlyAsNeeded) {
  EXPECT_EQ(platform::FitIntoArea(GetParam().wanted, kArea), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FitIntoArea,
    testing::Values(
        FitCase{"Inside", QRect(100, 100, 600, 400), QRect(100, 100, 600, 400)},
        FitCase{"LargestSize", QRect(0, 0, 16777215, 16777215), QRect(0, 30, 1920, 1050)},
        FitCase{"FarRightAndDown", QRect(143165576, 143165576, 600, 400),
                QRect(1320, 680, 600, 400)},
        FitCase{"FarLeftAndUp", QRect(INT_MIN / 2, INT_MIN / 2, 600, 400),
                QRect(0, 30, 600, 400)},
        FitCase{"UnderThePanel", QRect(10, 0, 600, 400), QRect(10, 30, 600, 400)},
        FitCase{"HangingOverTheEdge", QRect(1800, 900, 600, 400), QRect(1320, 680, 600, 400)},
        FitCase{"NoSize", QRect(5, 40, 0, 0), QRect(5, 40, 1, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaceBeside, RightOfTheAnchorElseLeftElseWithin) {
  const QRect area(0, 0, 400, 300);
  const QSize hint(100, 20);
  EXPECT_EQ(platform::PlaceBeside(QRect(50, 10, 20, 20), hint, area), QRect(70, 10, 100, 20));
  EXPECT_EQ(platform::PlaceBeside(QRect(350, 10, 20, 20), hint, area), QRect(250, 10, 100, 20));
  EXPECT_EQ(platform::PlaceBeside(QRect(60, 290, 300, 20), hint, area), QRect(300, 280, 100, 20));
}
