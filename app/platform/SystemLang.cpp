#include "platform/SystemLang.h"

#include <cstdlib>
#include <string>

namespace platform {

namespace {

struct LangEntry {
  const char* prefix;  // matched against the start of the locale name
  int16_t id;
};

// Longer prefixes first: the Chinese regions decide between the two scripts.
constexpr LangEntry kLanguages[] = {
    {"zh_TW", kLangChinese},
    {"zh_HK", kLangChinese},
    {"zh_MO", kLangChinese},
    {"zh_CN", kLangChineseSimplified},
    {"zh_SG", kLangChineseSimplified},
    {"zh", kLangChineseSimplified},
    {"ja", kLangJapanese},
    {"ko", kLangKorean},
    {"it", kLangEuropean},
    {"en", kLangEnglish},
    {"de", kLangGerman},
    {"fr", kLangFrench},
    {"es", kLangSpanish},
    {"pt_BR", kLangPortugueseBrazil},
    {"pt", kLangPortuguese},
    {"nl", kLangDutch},
    {"ru", kLangRussian},
    {"pl", kLangPolish},
    {"sv", kLangSwedish},
    {"cs", kLangCzech},
};

std::string LocaleName() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

int16_t SystemDefaultLangId() {
  const std::string name = LocaleName();
  for (const LangEntry& e : kLanguages) {
    if (name.rfind(e.prefix, 0) == 0) return e.id;
  }
  return kLangEnglish;  // "C", "POSIX", unset or unknown
}

}  // namespace platform
