#include "shell/ModuleMain.h"

#include <algorithm>
#include <cctype>

#include "axisdata/SharedState.h"
#include "shell/SyncImage.h"

namespace shell {

using platform::kLangChinese;
using platform::kLangChineseSimplified;
using platform::kLangEnglish;
using platform::kLangEuropean;
using platform::kLangJapanese;
using platform::kLangKorean;

void ResetSharedState() {
  axisdata::ResetSharedState();
  SystemLangId = kLangEnglish;
  UiLanguage = kLangEnglish;
  CommandFont = kStartCommandFont;
  TitleFont = kStartTitleFont;
  GridFont = kStartGridFont;
  UiFont = kStartUiFont;
  UiFontName.clear();
  UiFontCharset = 1;
  CopyBuffer.clear();
  DataModified = false;
  ComPortName.clear();
  OfflineMode = false;
  PrgData.fill(0);
  CurFileName.clear();
  CsvFileName.clear();
}

int16_t ChooseUiLanguage(const std::string& iniLang, const std::vector<std::string>& args,
                         int16_t systemLangId) {
  int16_t lang;
  if (iniLang == "ERROR") {
    lang = systemLangId;
  } else if (iniLang == "REPAIR" || iniLang == "EU") {
    lang = kLangEuropean;
  } else if (iniLang == "JP") {
    lang = kLangJapanese;
  } else if (iniLang == "SC") {
    lang = kLangChinese;
  } else {
    lang = kLangEnglish;
  }
  for (const std::string& arg : args) {
    if (arg.empty() || arg.front() != '-') continue;
    std::string upper = arg;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "-C") lang = kLangChinese;
    else if (upper == "-I") lang = kLangEuropean;
    else if (upper == "-E") lang = kLangEnglish;
    else if (upper == "-J") lang = kLangJapanese;
  }
  return lang;
}

LanguageSetup LanguageSetupFor(int16_t uiLanguage) {
  switch (uiLanguage) {
    case kLangJapanese:
      return {"ＭＳ Ｐゴシック", 128, 0};
    case kLangChinese: return {"宋体", 134, 2000};
    case kLangKorean: return {"굴림", 129, std::nullopt};
    case kLangChineseSimplified:
      return {"新細明體", 136, std::nullopt};
    default: return {"", 1, 4000};
  }
}

}  // namespace shell
