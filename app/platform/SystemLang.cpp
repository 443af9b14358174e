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
    {"zh_TW", 1028}, {"zh_HK", 1028}, {"zh_MO", 1028}, {"zh_CN", 2052}, {"zh_SG", 2052},
    {"zh", 2052},    {"ja", 1041},    {"ko", 1042},    {"it", 1040},    {"en", 1033},
    {"de", 1031},    {"fr", 1036},    {"es", 3082},    {"pt_BR", 1046}, {"pt", 2070},
    {"nl", 1043},    {"ru", 1049},    {"pl", 1045},    {"sv", 1053},    {"cs", 1029},
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
  return 1033;  // "C", "POSIX", unset or unknown: English
}

}  // namespace platform
