#pragma once
#include <cstdint>
#include <memory>

class QTranslator;

namespace platform {

// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the program's
// language: installed for Japanese and Chinese, which have texts of their own; every other
// language keeps Qt's English. Nothing when the language needs none or Qt's translations are not
// installed. The translation stays in force while the returned object lives.
std::unique_ptr<QTranslator> InstallQtTranslations(std::int16_t uiLanguage);

}  // namespace platform
