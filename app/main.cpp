#include <QApplication>
#include <QTranslator>

#include "editors/EditorForms.h"
#include "editors/EditorText.h"
#include "platform/QtStart.h"
#include "platform/QtTranslations.h"
#include "platform/QtUiServices.h"
#include "shell/Forms.h"
#include "shell/ModuleMain.h"
#include "shell/Program.h"

int main(int argc, char* argv[]) {
  const std::unique_ptr<QApplication> app = platform::StartQt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VUZOvid"));
  QApplication::setQuitOnLastWindowClosed(false);  // hidden windows stay loaded
  platform::QtUiServices ui;
  platform::SetUi(&ui);
  shell::RegisterShellForms();
  editors::RegisterEditorForms();
  Forms::SetOnAllUnloaded([] { QCoreApplication::quit(); });
  std::vector<std::string> args(argv + 1, argv + argc);
  shell::Main(args, editors::FillEditorText);
  // The splash is up, no dialog yet: Qt's buttons and file dialogs speak the chosen language.
  const std::unique_ptr<QTranslator> qtTexts = platform::InstallQtTranslations(shell::UiLanguage);
  const int rc = QApplication::exec();
  platform::SetUi(nullptr);
  return rc;
}
