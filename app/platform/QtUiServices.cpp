#include "platform/QtUiServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace platform {

namespace {

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  }
  return filters.join(QStringLiteral(";;"));
}

MsgAnswer QtUiServices::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
  const QString caption =
      title.empty() ? QApplication::applicationName() : QString::fromStdString(title);
  QMessageBox box(ToQt(icon), caption, QString::fromStdString(text), ToQt(buttons),
                  QApplication::activeWindow());
  return AnswerFor(box.exec(), buttons);
}

MsgAnswer AnswerFor(int clicked, MsgButtons buttons) {
  switch (clicked) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    // Closed without a button (Esc, the close box): what Esc means for these buttons.
    default:
      if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
      return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
  }
}

std::optional<std::string> QtUiServices::FileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setNameFilter(QtNameFilters(request.filter));
  const QFileInfo proposed(QString::fromStdString(request.proposedName));
  const QString folder = proposed.isAbsolute() ? proposed.absolutePath()
                                               : QString::fromStdString(request.startFolder);
  dialog.setDirectory(QDir(folder));
  dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

bool QtUiServices::OpenDocument(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path))) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtUiServices::ProcessEvents() { QCoreApplication::processEvents(); }

void QtUiServices::ShowModal(ModalWindow& window) { window.RunModal(); }

void QtUiServices::ShowBusy(bool busy) {
  // The windows still answer meanwhile, so the pointer that says so, not the plain wait.
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace platform
