#include "platform/SystemLang.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace {

struct Case {
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  int16_t expected;
};

void SetOrClear(const char* var, const char* value) {
  if (value != nullptr) setenv(var, value, 1); else unsetenv(var);
}

}  // namespace

TEST(SystemLang, FollowsTheFirstSetLocaleVariable) {
  const Case cases[] = {
      {nullptr, nullptr, "ja_JP.UTF-8", 1041},  {nullptr, nullptr, "zh_TW.UTF-8", 1028},
      {nullptr, nullptr, "zh_HK", 1028},        {nullptr, nullptr, "zh_CN.UTF-8", 2052},
      {nullptr, nullptr, "zh_SG", 2052},        {nullptr, nullptr, "ko_KR.UTF-8", 1042},
      {nullptr, nullptr, "it_IT.UTF-8", 1040},  {nullptr, nullptr, "en_US.UTF-8", 1033},
      {nullptr, nullptr, "C", 1033},            {nullptr, nullptr, nullptr, 1033},
      {"ko_KR", "ja_JP", "it_IT", 1042},        {nullptr, "ja_JP", "it_IT", 1041},
      {"", "", "it_IT", 1040},
  };
  for (const Case& c : cases) {
    SetOrClear("LC_ALL", c.lcAll);
    SetOrClear("LC_MESSAGES", c.lcMessages);
    SetOrClear("LANG", c.lang);
    EXPECT_EQ(platform::SystemDefaultLangId(), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}
