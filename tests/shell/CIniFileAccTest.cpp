#include "shell/CIniFileAcc.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/ProgramFolder.h"

namespace fs = std::filesystem;
using shell::CIniFileAcc;

namespace {

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vuz-ini-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ini_.ININame(Path());
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path() const { return (dir_ / "vuzovid.ini").string(); }
  void Put(const std::string& text) const { std::ofstream(Path(), std::ios::binary) << text; }
  std::string Get() const {
    std::ostringstream s;
    s << std::ifstream(Path(), std::ios::binary).rdbuf();
    return s.str();
  }
  size_t FilesInDir() const { return std::distance(fs::directory_iterator(dir_), {}); }

  fs::path dir_;
  CIniFileAcc ini_;
};

}  // namespace

TEST_F(IniFile, DefaultsToTheProgramFolder) {
  platform::SetProgramFolderForTesting(dir_.string());
  CIniFileAcc fresh;
  EXPECT_EQ(fresh.ININame(), dir_.string() + "/vuzovid.ini");
  EXPECT_TRUE(fresh.RdStatus());
  EXPECT_TRUE(fresh.WrStatus());
  Put("[Config]\r\nLANG=JP\r\n");
  EXPECT_EQ(fresh.Item("Config", "LANG"), "JP");
}

TEST_F(IniFile, MissingFileReadsErrorAndClearsRdStatus) {
  EXPECT_EQ(ini_.Item("Config", "LANG"), "ERROR");
  EXPECT_FALSE(ini_.RdStatus());
  Put("[Config]\r\nLANG=\r\n");
  EXPECT_EQ(ini_.Item("Config", "LANG"), "");
  EXPECT_TRUE(ini_.RdStatus());
}

TEST_F(IniFile, ReadsWithWindowsProfileRules) {
  Put("; start settings\r\n"
      "Stray=before any section\r\n"
      "[Config]\r\n"
      "LANG=JP\r\n"
      "Empty=\r\n"
      "  Spaced  =   a value with blanks   \r\n"
      "Quoted=\" kept blanks \"\r\n"
      "Single='x'\r\n"
      "Mismatched=\"x'\r\n"
      "Eq=a=b\r\n"
      "Literal=ERROR\r\n"
      "NoEquals\r\n"
      ";LANG=SC\r\n"
      "[ window ]\r\n"
      "DEFAULT=0\r\n"
      "[Other]\r\n"
      "Width=800");
  struct Case {
    const char* section;
    const char* key;
    const char* value;
    bool rdStatus;
  };
  const Case cases[] = {
      {"Config", "LANG", "JP", true},
      {"CONFIG", "lang", "JP", true},
      {"Config", "Empty", "", true},
      {"Config", "Spaced", "a value with blanks", true},
      {"Config", "Quoted", " kept blanks ", true},
      {"Config", "Single", "x", true},
      {"Config", "Mismatched", "\"x'", true},
      {"Config", "Eq", "a=b", true},
      {"Config", "Literal", "ERROR", false},
      {"Config", "NoEquals", "ERROR", false},
      {"Config", "Missing", "ERROR", false},
      {"Window", "default", "0", true},
      {"Other", "LANG", "ERROR", false},
      {"Other", "WIDTH", "800", true},
      {"Nowhere", "LANG", "ERROR", false},
      {"", "Stray", "ERROR", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini_.Item(c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(ini_.RdStatus(), c.rdStatus) << c.section << "/" << c.key;
  }
}

TEST_F(IniFile, EveryLineEndIsRead) {
  struct Case {
    const char* name;
    const char* text;
  };
  const Case cases[] = {
      {"CR LF", "[Config]\r\nLANG=JP\r\n[Window]\r\nDEFAULT=0\r\n"},
      {"LF", "[Config]\nLANG=JP\n[Window]\nDEFAULT=0\n"},
      {"lone CR", "[Config]\rLANG=JP\r[Window]\rDEFAULT=0\r"},
      {"mixed, no end", "[Config]\rLANG=JP\n[Window]\r\nDEFAULT=0"},
  };
  for (const Case& c : cases) {
    Put(c.text);
    EXPECT_EQ(ini_.Item("Config", "LANG"), "JP") << c.name;
    EXPECT_EQ(ini_.Item("Window", "DEFAULT"), "0") << c.name;
    EXPECT_EQ(ini_.Item("Config", "DEFAULT"), "ERROR") << c.name;
  }
}

TEST_F(IniFile, LongValuesAreCutTo254BytesOnACharacterBoundary) {
  const std::string cjk = "日";  // three bytes
  struct Case {
    std::string value;
    std::string read;
  };
  const Case cases[] = {
      {std::string(300, 'x'), std::string(254, 'x')},
      {std::string(254, 'x'), std::string(254, 'x')},
      {std::string(253, 'x') + cjk + "tail", std::string(253, 'x')},
      {std::string(251, 'x') + cjk + "tail", std::string(251, 'x') + cjk},
  };
  for (const Case& c : cases) {
    Put("[Config]\r\nLONG=" + c.value + "\r\n");
    EXPECT_EQ(ini_.Item("Config", "LONG"), c.read) << c.value.size();
  }
}

TEST_F(IniFile, WritesChangeOnlyTheirLine) {
  struct Case {
    std::optional<std::string> before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const Case cases[] = {
      {std::nullopt, "Config", "LANG", "EU", "[Config]\r\nLANG=EU\r\n"},
      {"; c\r\n[config]\r\n  Lang = JP \r\nx=1\r\n", "Config", "LANG", "SC",
       "; c\r\n[config]\r\nLANG=SC\r\nx=1\r\n"},
      {"[Config]\r\nLANG=JP\r\n\r\n[Window]\r\nTOP=1\r\n", "Config", "DEFAULT", "0",
       "[Config]\r\nLANG=JP\r\nDEFAULT=0\r\n\r\n[Window]\r\nTOP=1\r\n"},
      {"[Config]\r\nLANG=JP", "Window", "TOP", "5", "[Config]\r\nLANG=JP\r\n[Window]\r\nTOP=5\r\n"},
      {"[A]\nx=1\n", "A", "y", "2", "[A]\nx=1\ny=2\n"},
      {"\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2", "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
      {"[A]\r\nx=1\r\n[A]\r\ny=2\r\n", "a", "Y", "3", "[A]\r\nx=1\r\n[A]\r\nY=3\r\n"},
      {"[A]\r\n", "A", "v", " padded ", "[A]\r\nv=\" padded \"\r\n"},
  };
  for (const Case& c : cases) {
    fs::remove(Path());
    if (c.before) Put(*c.before);
    ini_.Item(c.section, c.key, c.value);
    EXPECT_TRUE(ini_.WrStatus()) << c.after;
    EXPECT_EQ(Get(), c.after);
    EXPECT_EQ(ini_.Item(c.section, c.key), c.value);
    EXPECT_EQ(FilesInDir(), 1u) << "a temporary file was left behind";
  }
}

TEST_F(IniFile, AWriteNeverChangesAnotherKey) {
  struct Case {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      // A last line ending in a CR alone: the new section must not join the value.
      {"lone CR, new section", "[Config]\r\nLANG=EU\r", "Window", "DEFAULT", "0"},
      {"lone CR, new key", "[Config]\r\nLANG=EU\r", "Config", "X", "1"},
      {"only lone CRs", "[Config]\rLANG=EU\r", "Window", "TOP", "5"},
      {"LF then lone CR", "[Config]\nLANG=EU\r", "Window", "TOP", "5"},
  };
  for (const Case& c : cases) {
    Put(c.before);
    const std::string lang = ini_.Item("Config", "LANG");
    ini_.Item(c.section, c.key, c.value);
    if (ini_.WrStatus()) {
      EXPECT_EQ(ini_.Item(c.section, c.key), c.value) << c.name;
    } else {
      EXPECT_EQ(Get(), c.before) << c.name;
    }
    EXPECT_EQ(ini_.Item("Config", "LANG"), lang) << c.name;
  }
  // A CR alone is a line end of its own; new lines take the text's first line end.
  Put("[Config]\rLANG=EU\r");
  ini_.Item("Window", "DEFAULT", "0");
  EXPECT_TRUE(ini_.WrStatus());
  EXPECT_EQ(Get(), "[Config]\rLANG=EU\r[Window]\rDEFAULT=0\r");
}

TEST_F(IniFile, AReadOnlyOrOversizedFileIsNotWritten) {
  Put("[Config]\r\nLANG=JP\r\n");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ini_.Item("Config", "LANG", "SC");
  EXPECT_FALSE(ini_.WrStatus());
  EXPECT_EQ(ini_.Item("Config", "LANG"), "JP");

  fs::remove(Path());
  Put("[Config]\r\nLANG=JP\r\n" + std::string(1024 * 1024, ';'));
  EXPECT_EQ(ini_.Item("Config", "LANG"), "ERROR");
  ini_.Item("Config", "LANG", "SC");
  EXPECT_FALSE(ini_.WrStatus());
}

TEST_F(IniFile, ValuesReadBackAsWritten) {
  for (const char* value : {"", "JP", " padded ", "\"quoted\"", "'q'", "a=b ; c", "日本語"}) {
    ini_.Item("Config", "LANG", value);
    EXPECT_TRUE(ini_.WrStatus());
    EXPECT_EQ(ini_.Item("Config", "LANG"), value);
  }
}

TEST_F(IniFile, RefusedWritesClearWrStatusAndKeepTheFile) {
  const std::string before = "[Config]\r\nLANG=JP\r\n";
  Put(before);
  struct Case {
    std::string path;
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {(dir_ / "no-such-folder" / "x.ini").string(), "Config", "LANG", "SC"},
      {dir_.string(), "Config", "LANG", "SC"},  // a folder, not a file
      {Path(), "Config", "LANG", "SC\r\n[Evil]"},
      {Path(), "Config", "LA=NG", "SC"},
      {Path(), "Con]fig", "LANG", "SC"},
      {Path(), "Config", "", "SC"},
  };
  const std::string scratch = (dir_ / "scratch.ini").string();
  for (const Case& c : cases) {
    ini_.ININame(scratch);
    ini_.Item("A", "b", "c");  // a good write first, so the flag must change
    ASSERT_TRUE(ini_.WrStatus());
    ini_.ININame(c.path);
    ini_.Item(c.section, c.key, c.value);
    EXPECT_FALSE(ini_.WrStatus()) << c.path << " " << c.section << "/" << c.key;
  }
  EXPECT_EQ(Get(), before);
  EXPECT_EQ(FilesInDir(), 2u) << "only the file and the scratch file";
}
