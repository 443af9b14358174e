#include "shell/ProgramHelp.h"

#include <string>

#include "platform/ProgramFolder.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"

namespace shell {

void ShowProgramHelp() {
  const std::string help = platform::ProgramFolder() + "/RAZEZOR.HLP";
  if (!platform::Ui().OpenDocument(help)) {
    platform::Warn(help + resources::Text(resources::Txt::FileIsntExist));
  }
}

}  // namespace shell
