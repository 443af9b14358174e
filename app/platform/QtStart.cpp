#include "platform/QtStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {

namespace {

struct HeldMessage {
  QtMsgType type;
  QString category, file, function, text;
  int line;
};

// Qt's own lines while it starts: passed on when it runs, dropped when it cannot start.
std::vector<HeldMessage>& Held() {
  static std::vector<HeldMessage> held;
  return held;
}

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    const std::string line =
        NoDisplayLine(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY")) + "\n";
    std::fputs(line.c_str(), stderr);
    std::_Exit(1);
  }
  Held().push_back({type, QString::fromUtf8(context.category), QString::fromUtf8(context.file),
                    QString::fromUtf8(context.function), text, context.line});
}

void PassOn(QtMessageHandler handler) {
  for (const HeldMessage& m : std::exchange(Held(), {})) {
    const QByteArray category = m.category.toUtf8(), file = m.file.toUtf8(),
                     function = m.function.toUtf8();
    const QMessageLogContext context(file.constData(), m.line, function.constData(),
                                     category.constData());
    handler(m.type, context, m.text);
  }
}

}  // namespace

std::string NoDisplayLine(const char* platformName, const char* display) {
  if (platformName && *platformName) {
    return "vuzovid: the window system \"" + std::string(platformName) +
           "\" (QT_QPA_PLATFORM) could not be started.";
  }
  if (!display || !*display) return "vuzovid: no display is set (DISPLAY is empty).";
  return "vuzovid: the display \"" + std::string(display) + "\" could not be opened.";
}

std::unique_ptr<QApplication> StartQt(int argc, char** argv) {
  // QApplication keeps the argument count and vector for its whole life.
  static std::string name;
  static char* qtArgv[2];
  static int qtArgc;
  name = argc > 0 && argv[0] != nullptr ? argv[0] : "vuzovid";
  qtArgv[0] = name.data();
  qtArgv[1] = nullptr;
  qtArgc = 1;
  const QtMessageHandler previous = qInstallMessageHandler(HoldWhileStarting);
  auto app = std::make_unique<QApplication>(qtArgc, qtArgv);
  qInstallMessageHandler(previous);  // Qt hands back its default handler, never none
  PassOn(previous);
  return app;
}

}  // namespace platform
