#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemLang.h"

// State shared by all windows for the whole run, and the start-up's language choice.
namespace shell {

struct FontDescription {
  std::string face;  // empty: the platform's default face
  int size = 9;
  bool bold = false;
  int16_t charset = 1;
};

// The shared fonts before the language's face is set: sizes and weights never change.
inline const FontDescription kStartCommandFont{"", 11, false, 1};
inline const FontDescription kStartTitleFont{"", 11, true, 1};
inline const FontDescription kStartGridFont{"", 9, false, 1};
inline const FontDescription kStartUiFont{"", 9, true, 1};

inline int16_t SystemLangId = platform::kLangEnglish;
inline int16_t UiLanguage = platform::kLangEnglish;
inline FontDescription CommandFont = kStartCommandFont;
inline FontDescription TitleFont = kStartTitleFont;
inline FontDescription GridFont = kStartGridFont;
inline FontDescription UiFont = kStartUiFont;
inline std::string UiFontName;
inline int16_t UiFontCharset = 1;
inline std::string CopyBuffer;
inline bool DataModified = false;

// Chosen in the start wizard (with axisdata::AxisCount).
inline std::string ComPortName;
inline bool OfflineMode = false;

// Puts every value the shell shares between windows back to its state at start (the image, its
// file names, the choices of the wizard, the flags, the language and fonts), and the shared
// state of the axis data with it. The one reset point for test fixtures.
void ResetSharedState();

// The language in force: the INI value of LANG ("ERROR" when absent), then the command-line
// switches in order (the last one wins).
int16_t ChooseUiLanguage(const std::string& iniLang, const std::vector<std::string>& args,
                         int16_t systemLangId);

struct LanguageSetup {
  std::string faceName;
  int16_t charset;
  std::optional<int32_t> textBase;  // string-table base, none for languages without texts
};
LanguageSetup LanguageSetupFor(int16_t uiLanguage);

}  // namespace shell
