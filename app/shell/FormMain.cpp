#include "shell/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "axisdata/FileInput.h"
#include "axisdata/TextRoutines.h"
#include "axisdata/ProgressView.h"
#include "axisdata/TransferLoop.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/KlvnImports.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCentre.h"
#include "platform/UiServices.h"
#include "platform/VirtualKey.h"
#include "shell/BusyGuard.h"
#include "shell/CIniFileAcc.h"
#include "shell/FormMsg.h"
#include "shell/FormZELLogo.h"
#include "shell/LinkOpening.h"
#include "shell/ModuleMain.h"
#include "shell/ModuleWheel.h"
#include "shell/QtFonts.h"
#include "shell/PointTableWindow.h"
#include "shell/Program.h"
#include "shell/ProgramHelp.h"
#include "shell/SyncImage.h"
#include "shell/frmSetupDlg.h"
#include "resources/UiText.h"
#include "shell/QtText.h"

using platform::FlexGrid;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

using resources::Text;
using resources::Tip;
using resources::Txt;
using shell::Q;

namespace {


std::string DataFolder() { return platform::ProgramFolder() + "/data"; }

QFont SharedUiFont(int pointSize) {
  QFont font = shell::UiNamedFont();
  font.setPointSize(pointSize);
  return font;
}

constexpr int kDefaultWidthTwips = 10240;
constexpr int kDefaultHeightTwips = 6800;
constexpr int kEditorBackground[] = {255, 255, 128};

}  // namespace

FormMain::FormMain(QWidget* parent)
    : QMainWindow(parent),
      SyncGrid(nullptr),
      Text1(nullptr),
      ComboModel(new QComboBox(this)),
      TextModel(new QLabel(this)),
      Toolbar1(new QToolBar(this)),
      StatusPanel1(new QLabel(this)),
      client_(new QWidget(this)) {
  setWindowTitle(QStringLiteral("VUZOvid"));
  setCentralWidget(client_);
  SyncGrid = new FlexGrid(client_);
  Text1 = new QLineEdit(client_);
  addToolBar(Qt::TopToolBarArea, Toolbar1);
  Toolbar1->setMovable(false);
  statusBar()->addWidget(StatusPanel1, 1);

  connect(SyncGrid, &FlexGrid::DblClick, this, [this] { StartCellEdit(platform::VK_SPACE); });
  connect(SyncGrid, &FlexGrid::KeyDown, this, [this](int key, int) {
    if (key == platform::VK_F2 || key > 127) StartCellEdit(platform::VK_SPACE);
  });
  connect(SyncGrid, &FlexGrid::KeyPress, this, [this](int code) { StartCellEdit(code); });
  connect(SyncGrid, &FlexGrid::GotFocus, this, &FormMain::CommitCellEdit);
  connect(SyncGrid, &FlexGrid::LeaveCell, this, &FormMain::CommitCellEdit);
  connect(Text1, &QLineEdit::textChanged, this, &FormMain::Text1_Change);
  connect(ComboModel, &QComboBox::activated, this, Command(&FormMain::ComboModel_Click));
  cellEditor_ = new platform::CellEditor(*SyncGrid, *Text1, SyncCellRules());
}

FormMain::~FormMain() = default;

void FormMain::BuildMenus() {
  mnuFiles = menuBar()->addMenu(Q(Txt::FileMenu));
  mnuOpen = mnuFiles->addAction(Q(Txt::Open), this, Command(&FormMain::mnuOpen_Click));
  mnuFiles->addSeparator();
  mnuSave = mnuFiles->addAction(Q(Txt::Save), this, Command(&FormMain::mnuSave_Click));
  mnuSaveAs = mnuFiles->addAction(Q(Txt::SaveAs), this, Command(&FormMain::mnuSaveAs_Click));
  mnuFiles->addSeparator();
  mnuCSVExport =
      mnuFiles->addAction(Q(Txt::CsvExport), this, Command(&FormMain::mnuCSVExport_Click));
  mnuCSVImport =
      mnuFiles->addAction(Q(Txt::CsvImport), this, Command(&FormMain::mnuCSVImport_Click));
  mnuFiles->addSeparator();
  mnuQuit = mnuFiles->addAction(Q(Txt::Exit), this, Command(&FormMain::mnuQuit_Click));

  mnuTrans = menuBar()->addMenu(Q(Txt::TransferMenu));
  mnuUpload = mnuTrans->addAction(Q(Txt::UploadMenu), this, Command(&FormMain::mnuUpload_Click));
  mnuDownload =
      mnuTrans->addAction(Q(Txt::DownloadMenu), this, Command(&FormMain::mnuDownload_Click));
  mnuScanList =
      mnuTrans->addAction(Q(Txt::ScanListMenu), this, Command(&FormMain::mnuScanList_Click));
  mnuPosEdit =
      mnuTrans->addAction(Q(Txt::PositionSetting), this, Command(&FormMain::mnuPosEdit_Click));
  // The point-table editor belongs to the editors, which register it at start-up.
  mnuPosEdit->setEnabled(Forms::IsRegistered(FormId::KAV));

  mnuHelp = menuBar()->addMenu(Q(Txt::HelpMenu));
  mnuNoteHelp = mnuHelp->addAction(Q(Txt::Help), this, Command(&FormMain::mnuNoteHelp_Click));
  mnuVersion = mnuHelp->addAction(Q(Txt::VersionInfo), this, Command(&FormMain::mnuVersion_Click));
}

void FormMain::BuildToolbar() {
  QStyle* style = this->style();
  const auto addButton = [&](const std::string& key, QStyle::StandardPixmap icon, Tip tipId) {
    QAction* action = Toolbar1->addAction(style->standardIcon(icon), QString());
    action->setToolTip(Q(tipId));
    connect(action, &QAction::triggered, this,
            shell::WhenIdle([this, key] { Toolbar1_ButtonClick(key); }));
    ToolbarButtons[key] = action;
  };
  addButton("open", QStyle::SP_DialogOpenButton, Tip::OpenFile);
  addButton("save", QStyle::SP_DialogSaveButton, Tip::SaveFileAs);
  TextModel->setFont(SharedUiFont(9));
  TextModel->setText(Q(Txt::Model));
  TextModel->setContentsMargins(8, 0, 4, 0);
  ToolbarButtons["textmodel"] = Toolbar1->addWidget(TextModel);
  ComboModel->setFont(SharedUiFont(9));
  ToolbarButtons["combomodel"] = Toolbar1->addWidget(ComboModel);
  addButton("upload", QStyle::SP_ArrowUp, Tip::Upload);
  addButton("download", QStyle::SP_ArrowDown, Tip::Download);
}

void FormMain::Form_Load() {
  FormLoading = true;
  shell::HookMouseWheel(*this);
  SyncGrid->hide();
  ApplyGeometryFromIni();
  BuildMenus();
  BuildToolbar();
  StatusPanel1->setText(QString::fromStdString(DataFolder()));
  for (int m = 0; m < 16; ++m) ComboModel->addItem(QString::number(m));
  ComboModel->setCurrentIndex(0);
  ModelIndex = 0;
  Forms::Get<FormMsg>(FormId::Msg).ShowRunTitle();
  QPalette palette = Text1->palette();
  palette.setColor(QPalette::Base,
                   QColor(kEditorBackground[0], kEditorBackground[1], kEditorBackground[2]));
  Text1->setPalette(palette);
  Text1->setFrame(false);
  Text1->clear();
  Text1->hide();
  FormLoading = false;
}

void FormMain::ApplyGeometryFromIni() {
  shell::CIniFileAcc ini;
  const bool fromIni = ini.Item("Window", "DEFAULT") == "0";
  if (fromIni && ini.Item("Window", "MAXIMIZED") == "1") {
    setWindowState(windowState() | Qt::WindowMaximized);
    return;
  }
  // A missing or unreadable key keeps the default for that measure (size, or centred place).
  const auto pixels = [&ini, fromIni](const char* key) -> std::optional<int> {
    if (!fromIni) return std::nullopt;
    bool ok = false;
    const int twips = QString::fromStdString(ini.Item("Window", key)).trimmed().toInt(&ok);
    return ok ? std::optional<int>(twips / platform::kTwipsPerPixel) : std::nullopt;
  };
  resize(std::max(pixels("WIDTH").value_or(kDefaultWidthTwips / platform::kTwipsPerPixel), 200),
         std::max(pixels("HEIGHT").value_or(kDefaultHeightTwips / platform::kTwipsPerPixel), 150));
  platform::CentreOnScreen(*this);
  move(pixels("LEFT").value_or(x()), pixels("TOP").value_or(y()));
  platform::KeepOnScreen(*this);
}

void FormMain::SetUpSyncGrid() {
  FlexGrid& grid = *SyncGrid;
  grid.SetRows(shell::kSyncGridRows);
  grid.SetCols(shell::kSyncGridCols);
  grid.setFont(SharedUiFont(10));
  shell::SetSyncGridHeaders(grid, Text(Txt::SyncAxCorner));
  grid.SetCellAlignment(0, 0, Qt::AlignCenter);
  grid.SetColWidthTwips(0, 1000);
  for (int r = 1; r < shell::kSyncGridRows; ++r) {
    grid.SetCellAlignment(r, 0, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int c = 1; c < shell::kSyncGridCols; ++c) {
    grid.SetColWidthTwips(c, 500);
    grid.SetCellAlignment(0, c, Qt::AlignCenter);
    for (int r = 1; r < shell::kSyncGridRows; ++r) grid.SetCellAlignment(r, c, Qt::AlignCenter);
  }
  grid.SetCurrentCell(1, 1);
  grid.SetTopRow(1);
  grid.SetLeftCol(1);
}

void FormMain::SetTransferEnabled(bool enabled) {
  // Only the transfers need the link: offline the scan list and the point table stay at hand.
  mnuUpload->setEnabled(enabled);
  mnuDownload->setEnabled(enabled);
  ToolbarButtons["upload"]->setEnabled(enabled);
  ToolbarButtons["download"]->setEnabled(enabled);
}

// --- the image on screen ---------------------------------------------------------------

void FormMain::ShowImageWords() {
  shell::ReadPrgData(*SyncGrid, ModelIndex);
  if (Forms::IsLoaded(FormId::SetupDlg)) {
    Forms::Get<frmSetupDlg>(FormId::SetupDlg).ShowImageWords();
  }
}

void FormMain::ShowImage() {
  ShowImageWords();
  StatusPanel1->setText(QString::fromStdString(shell::CurFileName));
  SyncGrid->show();
  SyncGrid->setFocus();
}

void FormMain::ShowFileError(const std::string& description) {
  platform::Ui().MessageBox(description, MsgButtons::Ok, MsgIcon::Exclamation, "");
}

void FormMain::DefaultFileOpen(bool isNew) {
  std::fill(shell::PrgData.begin(), shell::PrgData.begin() + shell::kGatewayImageWords + 1, 0);
  SyncGrid->hide();
  shell::CurFileName = DataFolder() + "/default.zel";
  shell::CsvFileName = DataFolder() + "/default.csv";
  axisdata::BaseFileName = DataFolder() + "/default";
  std::array<std::int32_t, shell::kZelWords> words{};
  const std::optional<std::string> error = shell::ReadZelFile(shell::CurFileName, words);
  if (!error) std::copy(words.begin(), words.end(), shell::PrgData.begin());
  shell::DataModified = false;
  // A new data set starts as a copy of the default one under its own name, which the status
  // bar shows as the name Save writes; an unreadable default file never becomes Save's target.
  if (isNew) {
    shell::CurFileName = DataFolder() + "/new.zel";
    shell::CsvFileName = DataFolder() + "/new.csv";
    axisdata::BaseFileName = DataFolder() + "/new";
  }
  ShowImage();
  show();
  SyncGrid->setFocus();
  if (error) ShowFileError(*error);
}

// --- files -----------------------------------------------------------------------------

bool FormMain::mnuOpen_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(
      {false, shell::CurFileName, DataFolder(), Text(Txt::ZelFilter), false});
  if (!chosen) return false;
  std::array<std::int32_t, shell::kZelWords> words{};
  if (const std::optional<std::string> error = shell::ReadZelFile(*chosen, words)) {
    // The image, its names and its saved state stay as they were.
    ShowFileError(*error);
    SyncGrid->show();
    SyncGrid->setFocus();
    return false;
  }
  SyncGrid->hide();
  shell::SetDataSetNames(*chosen);
  std::copy(words.begin(), words.end(), shell::PrgData.begin());
  shell::DataModified = false;
  ShowImage();
  return true;
}

bool FormMain::SaveImage(bool quoted) {
  CommitCellEdit();
  shell::WritePrgData(*SyncGrid, ModelIndex);
  if (const std::optional<std::string> error = shell::WriteZelFile(shell::CurFileName, quoted)) {
    ShowFileError(*error);
    return false;
  }
  shell::DataModified = false;
  StatusPanel1->setText(QString::fromStdString(shell::CurFileName));
  return true;
}

bool FormMain::mnuSave_Click() { return SaveImage(true); }

bool FormMain::mnuSaveAs_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(
      {true, shell::CurFileName, DataFolder(), Text(Txt::ZelFilter), true});
  if (!chosen) return false;
  // A name nothing could be written under is not taken: the next Save aims where the last did.
  const shell::DataSetNames previous = shell::CurrentDataSetNames();
  shell::SetDataSetNames(*chosen);
  if (SaveImage(false)) return true;
  shell::RestoreDataSetNames(previous);
  return false;
}

void FormMain::mnuCSVExport_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(
      {true, shell::CsvFileName, DataFolder(), Text(Txt::CsvFilter), true});
  if (!chosen) return;
  CommitCellEdit();
  shell::CsvFileName = *chosen;
  if (const auto error = shell::WriteCsvFile(*chosen, shell::WriteCSVString(*SyncGrid))) {
    ShowFileError(*error);
  }
}

void FormMain::mnuCSVImport_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(
      {false, shell::CsvFileName, DataFolder(), Text(Txt::CsvFilter), false});
  if (!chosen) return;
  shell::CsvFileName = *chosen;
  std::vector<std::string> lines;
  if (const std::optional<std::string> error = shell::ReadCsvFile(*chosen, lines)) {
    ShowFileError(*error);
    SyncGrid->show();
    SyncGrid->setFocus();
    return;
  }
  shell::SetGridData(*SyncGrid, lines);
  shell::DataModified = true;
  SyncGrid->show();
  SyncGrid->setFocus();
}

// --- transfers -------------------------------------------------------------------------

void FormMain::BeginImageTransfer(Txt caption, bool cancellable) {
  SyncGrid->hide();
  setEnabled(false);
  axisdata::BeginTransferSeries();
  axisdata::Progress().Begin(Text(caption), shell::kGatewayImageWords, cancellable);
  klvn::reset_load_count(shell::kGatewayImageWords);
}

std::int32_t FormMain::RunImageTransfer(Txt movingText, const std::function<std::int32_t()>& step) {
  axisdata::ProgressView& progress = axisdata::Progress();
  const std::int32_t result = axisdata::RunTransferLoop(
      step, {[&progress](std::int32_t count) { progress.SetValue(count); },
             [&progress, movingText] { progress.SetCaption(Text(movingText)); }});
  return result;
}

void FormMain::mnuDownload_Click() {
  if (!shell::KeepLinkOpen()) return;
  const axisdata::LoopScope busy;
  BeginImageTransfer(Txt::PreparingDownload, false);
  CommitCellEdit();
  shell::WritePrgData(*SyncGrid, ModelIndex);
  axisdata::ProgressView& progress = axisdata::Progress();
  progress.SetCaption(Text(Txt::StartDownload));
  progress.SetCancellable(true);
  const std::int32_t result = RunImageTransfer(
      Txt::Downloading, [] { return klvn::exec_download(shell::PrgData.data()); });
  progress.End();
  SyncGrid->show();
  if (result == KLVNDRV_FAILED) {
    platform::Ui().MessageBox(Text(Txt::DownloadFailed), MsgButtons::Ok, MsgIcon::Exclamation, "");
  }
  setEnabled(true);
  SyncGrid->setFocus();
}

void FormMain::mnuUpload_Click() {
  if (!shell::KeepLinkOpen()) return;
  const axisdata::LoopScope busy;
  BeginImageTransfer(Txt::StartUpload, true);
  // The gateway's words land in a copy, so an upload that does not finish changes nothing.
  std::array<std::int32_t, shell::kPrgDataWords> received = shell::PrgData;
  const std::int32_t result = RunImageTransfer(
      Txt::Uploading, [&received] { return klvn::exec_upload(received.data()); });
  if (result == KLVNDRV_DONE) {
    axisdata::Progress().SetCancellable(false);
    std::copy(received.begin(), received.begin() + shell::kGatewayImageWords,
              shell::PrgData.begin());
    ShowImageWords();
    shell::DataModified = true;
  }
  axisdata::Progress().End();
  setEnabled(true);
  SyncGrid->show();
  if (result == KLVNDRV_FAILED) {
    platform::Ui().MessageBox(Text(Txt::UploadFailed), MsgButtons::Ok, MsgIcon::Exclamation, "");
  }
  SyncGrid->setFocus();
}

// --- commands --------------------------------------------------------------------------

void FormMain::Toolbar1_ButtonClick(const std::string& key) {
  if (key == "open") mnuOpen_Click();
  else if (key == "save") mnuSaveAs_Click();
  else if (key == "upload") mnuUpload_Click();
  else if (key == "download") mnuDownload_Click();
}

void FormMain::ComboModel_Click() {
  if (FormLoading) return;
  CommitCellEdit();
  shell::WritePrgData(*SyncGrid, ModelIndex);
  ModelIndex = static_cast<std::int16_t>(ComboModel->currentIndex());
  shell::ReadPrgData(*SyncGrid, ModelIndex);
}

bool FormMain::ConfirmDiscardOrSave() {
  if (!shell::DataModified) return true;
  // A space between the name and the question: the Japanese text goes on from the name.
  const std::string question =
      axisdata::PathFileName(shell::CurFileName) + " " + Text(Txt::SaveChanged);
  switch (platform::Ui().MessageBox(question, MsgButtons::YesNoCancel, MsgIcon::Exclamation,
                                    "")) {
    case MsgAnswer::Yes: return mnuSave_Click();  // a failed save keeps the window
    case MsgAnswer::No: shell::DataModified = false; return true;
    default: return false;
  }
}

void FormMain::mnuQuit_Click() {
  if (ConfirmDiscardOrSave()) shell::EndProgram();
}

void FormMain::closeEvent(QCloseEvent* event) {
  if (shell::RefuseCloseWhileBusy(*event)) return;
  event->ignore();
  if (ConfirmDiscardOrSave()) Forms::Unload(FormId::Main);
}

void FormMain::Form_Unload() {
  shell::UnhookMouseWheel();
  klvn::close_klvn();
  for (FormId id : {FormId::KAV, FormId::PosEdit, FormId::ComEdit, FormId::Msg, FormId::ZELLogo,
                    FormId::ComSel, FormId::SetupDlg}) {
    Forms::Unload(id);
  }
}

void FormMain::mnuScanList_Click() {
  frmSetupDlg& dialog = Forms::Get<frmSetupDlg>(FormId::SetupDlg);
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void FormMain::mnuNoteHelp_Click() { shell::ShowProgramHelp(); }

void FormMain::mnuPosEdit_Click() {
  auto* editor = dynamic_cast<shell::PointTableWindow*>(Forms::Load(FormId::KAV));
  if (editor == nullptr) return;
  // The uploads let events run; this window takes no input meanwhile.
  setEnabled(false);
  editor->OpenPointTable();
  setEnabled(true);
}

void FormMain::mnuVersion_Click() { Forms::Get<FormZELLogo>(FormId::ZELLogo).ShowAbout(); }

void FormMain::MouseWheel(std::int32_t, std::int32_t rotation, std::int32_t, std::int32_t) {
  if (SyncGrid->isVisible()) shell::ScrollGridByWheel(*SyncGrid, rotation);
}

// --- layout ----------------------------------------------------------------------------

void FormMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayoutGrid();
}

void FormMain::LayoutGrid() {
  // The central area already lies between the toolbar and the status bar; a window lower than
  // both together leaves the grid with no height, never a negative one.
  SyncGrid->setGeometry(0, 0, std::max(client_->width(), 0), std::max(client_->height(), 0));
}

// --- in-cell editing -------------------------------------------------------------------

platform::CellEditRules FormMain::SyncCellRules() {
  platform::CellEditRules rules;
  rules.commit = [this](int row, int col, const QString& text) {
    SyncGrid->SetTextMatrix(row, col, text);
  };
  rules.keyDown = [this](int keyCode) { return EditBoxNavigate(keyCode); };
  return rules;
}

void FormMain::StartCellEdit(int keyCode) {
  const bool typed = keyCode > platform::VK_SPACE || keyCode < 0;
  if (typed) {
    cellEditor_->Begin(QString(QChar(keyCode)), true);
  } else {
    cellEditor_->BeginWithCellText();
  }
}

void FormMain::Text1_Change() {
  if (FormLoading) return;
  if (Text1->text() != QStringLiteral("1") && Text1->text() != QStringLiteral("0")) {
    const QSignalBlocker block(Text1);
    Text1->setText(QStringLiteral("0"));
  }
  shell::WritePrgData(*SyncGrid, ModelIndex);
  shell::DataModified = true;
}

void FormMain::CommitCellEdit() { cellEditor_->Commit(); }

bool FormMain::EditBoxNavigate(int keyCode) {
  switch (keyCode) {
    case platform::VK_ESCAPE:
      cellEditor_->Cancel();
      SyncGrid->setFocus();
      return true;
    case platform::VK_RETURN:
    case platform::VK_TAB:
    case platform::VK_DOWN:
      SyncGrid->setFocus();
      CommitCellEdit();
      platform::Ui().ProcessEvents();
      if (SyncGrid->Row() < SyncGrid->Rows() - 1) {
        SyncGrid->SetCurrentCell(SyncGrid->Row() + 1, SyncGrid->Col());
      }
      return true;  // Enter gives no character and no beep
    case platform::VK_UP:
      SyncGrid->setFocus();
      CommitCellEdit();
      platform::Ui().ProcessEvents();
      if (SyncGrid->Row() > 1) SyncGrid->SetCurrentCell(SyncGrid->Row() - 1, SyncGrid->Col());
      return true;
    default: return false;
  }
}
