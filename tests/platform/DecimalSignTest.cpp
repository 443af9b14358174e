#include "platform/DecimalSign.h"

#include <gtest/gtest.h>

TEST(DecimalSign, CommaReplacesEveryPoint) {
  platform::SetDecimalSign(',');
  EXPECT_EQ(platform::ApplyDecimalSign("1.50"), "1,50");
  platform::SetDecimalSign('.');
  EXPECT_EQ(platform::ApplyDecimalSign("1.50"), "1.50");
}
