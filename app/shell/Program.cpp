#include "shell/Program.h"

#include "axisdata/Tables.h"
#include "axisdata/TextRoutines.h"
#include "platform/DecimalSign.h"
#include "platform/KlvnImports.h"
#include "platform/SystemLang.h"
#include "shell/CIniFileAcc.h"
#include "shell/FormComSel.h"
#include "shell/FormMain.h"
#include "shell/FormMsg.h"
#include "shell/FormZELLogo.h"
#include "shell/Forms.h"
#include "shell/frmSetupDlg.h"
#include "shell/ModuleMain.h"
#include "resources/UiText.h"

namespace shell {

namespace {

void SetSharedFonts(const LanguageSetup& setup) {
  for (FontDescription* font : {&CommandFont, &TitleFont, &GridFont, &UiFont}) {
    font->face = setup.faceName;
    font->charset = setup.charset;
  }
  UiFontName = CommandFont.face;
  UiFontCharset = CommandFont.charset;
}

// The command line as one text split at single blanks, as the switches are looked for.
std::vector<std::string> CommandLineArguments(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& arg : args) line += (line.empty() ? "" : " ") + arg;
  return axisdata::SplitText(line, " ", -1, axisdata::kDefaultCompare);
}

}  // namespace

void RegisterShellForms() {
  Forms::Register(FormId::Main, [] { return new FormMain; });
  Forms::Register(FormId::ComSel, [] { return new FormComSel; });
  Forms::Register(FormId::Msg, [] { return new FormMsg; });
  Forms::Register(FormId::ZELLogo, [] { return new FormZELLogo; });
  Forms::Register(FormId::SetupDlg, [] { return new frmSetupDlg; });
}

void Main(const std::vector<std::string>& args,
          const std::function<void(std::int16_t)>& fillEditorText) {
  SystemLangId = platform::SystemDefaultLangId();
  {
    CIniFileAcc ini;
    UiLanguage = ChooseUiLanguage(ini.Item("Config", "LANG"), CommandLineArguments(args),
                                  SystemLangId);
  }
  if (UiLanguage == platform::kLangEuropean) platform::SetDecimalSign(',');
  const LanguageSetup setup = LanguageSetupFor(UiLanguage);
  SetSharedFonts(setup);
  if (setup.textBase) resources::LoadUiText(*setup.textBase);
  if (fillEditorText) fillEditorText(UiLanguage);
  CopyBuffer.clear();
  DataModified = false;
  axisdata::InitActuatorTables();
  for (FormId id : {FormId::Main, FormId::ComSel, FormId::KAV, FormId::Msg, FormId::PosEdit,
                    FormId::ComEdit, FormId::ZELLogo}) {
    Forms::Load(id);
  }
  Forms::Get<FormZELLogo>(FormId::ZELLogo).show();
}

void EndProgram() {
  klvn::close_klvn();
  for (FormId id : {FormId::KAV, FormId::Monitor, FormId::Msg, FormId::PosEdit, FormId::ComEdit,
                    FormId::ZELLogo, FormId::SetupDlg, FormId::ComSel, FormId::Main}) {
    Forms::Unload(id);
  }
}

}  // namespace shell
