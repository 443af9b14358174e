#include "shell/ModuleMain.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
  const char* ini;
  std::vector<std::string> args;
  int16_t system;
  int16_t expected;
};

}  // namespace

TEST(ChooseUiLanguage, IniValueThenSwitchesLastWins) {
  const LanguageCase cases[] = {
      {"ERROR", {}, 1033, 1033},           // no INI: the system language
      {"ERROR", {}, 1041, 1041},
      {"ERROR", {}, 1042, 1042},           // a system language without texts stays as it is
      {"ERROR", {}, 1040, 1040},
      {"JP", {}, 1033, 1041},
      {"SC", {}, 1033, 1028},
      {"EU", {}, 1041, 1040},
      {"REPAIR", {}, 1041, 1040},
      {"jp", {}, 1041, 1033},              // the INI value is compared with its letter case
      {"", {}, 1041, 1033},                // an empty value is "any other value"
      {"ERROR", {"-j"}, 1033, 1041},       // switches in any case
      {"JP", {"-E", "-C"}, 1033, 1028},    // the last switch wins
      {"JP", {"-C", "-x", "file.MOR", "E"}, 1033, 1028},  // others have no effect
      {"ERROR", {"-i"}, 1033, 1040},
      {"ERROR", {"", "-E"}, 1041, 1033},   // empty pieces of a doubled blank are skipped
  };
  for (const LanguageCase& c : cases) {
    EXPECT_EQ(shell::ChooseUiLanguage(c.ini, c.args, c.system), c.expected)
        << "LANG=" << c.ini << " with " << c.args.size() << " arguments";
  }
}

TEST(LanguageSetupFor, FacesCharsetsAndTextBlocks) {
  struct Case {
    int16_t lang;
    const char* face;
    int16_t charset;
    std::optional<int32_t> base;
  };
  const Case cases[] = {
      {1041, "ＭＳ Ｐゴシック", 128, 0},
      {1028, "宋体", 134, 2000},
      {1042, "굴림", 129, std::nullopt},
      {2052, "新細明體", 136, std::nullopt},
      {1033, "", 1, 4000},
      {1040, "", 1, 4000},
      {1031, "", 1, 4000},
  };
  for (const Case& c : cases) {
    const shell::LanguageSetup setup = shell::LanguageSetupFor(c.lang);
    EXPECT_EQ(setup.faceName, c.face) << c.lang;
    EXPECT_EQ(setup.charset, c.charset) << c.lang;
    EXPECT_EQ(setup.textBase, c.base) << c.lang;
  }
}
