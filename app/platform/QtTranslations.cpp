#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/SystemLang.h"

namespace platform {

namespace {

// Qt's name of the language whose texts the program shows, or none.
const char* QtLocaleName(std::int16_t uiLanguage) {
  switch (uiLanguage) {
    case kLangJapanese: return "ja";
    case kLangChinese: return "zh_CN";  // the string table's Chinese is simplified
    default: return nullptr;
  }
}

}  // namespace

std::unique_ptr<QTranslator> InstallQtTranslations(std::int16_t uiLanguage) {
  const char* locale = QtLocaleName(uiLanguage);
  if (locale == nullptr) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(locale),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return nullptr;
  }
  return translator;
}

}  // namespace platform
