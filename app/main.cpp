#include <QApplication>

#include "editors/EditorForms.h"
#include "editors/EditorText.h"
#include "platform/QtUiServices.h"
#include "shell/Forms.h"
#include "shell/Program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VUZOvid"));
  QApplication::setQuitOnLastWindowClosed(false);  // hidden windows stay loaded
  platform::QtUiServices ui;
  platform::SetUi(&ui);
  shell::RegisterShellForms();
  editors::RegisterEditorForms();
  Forms::SetOnAllUnloaded([] { QCoreApplication::quit(); });
  std::vector<std::string> args(argv + 1, argv + argc);
  shell::Main(args, editors::FillEditorText);
  const int rc = app.exec();
  platform::SetUi(nullptr);
  return rc;
}
