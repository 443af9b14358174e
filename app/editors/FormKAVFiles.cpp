// The point-table editor's data set: opening it from the main window, its files and its
// transfers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "axisdata/FileInput.h"
#include "axisdata/Notation.h"
#include "axisdata/Selection.h"
#include "editors/FormKAV.h"
#include "editors/KavDataSet.h"
#include "editors/KavGridSetup.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramFolder.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"
#include "shell/LinkOpening.h"
#include "shell/ModuleMain.h"
#include "shell/SyncImage.h"

using resources::Txt;

namespace {

std::string DataFolder() { return platform::ProgramFolder() + "/data"; }

platform::FileDialogRequest DataSetDialog(bool save) {
  return {save, shell::CurFileName, DataFolder(), resources::Text(Txt::ZelFilter), save};
}

// The panel names the set Save writes, from the names Save writes by.
void ShowDataSetPath(QLabel& panel) {
  panel.setText(QString::fromStdString(shell::KavDataSetPath()));
}

// Opens the set named by BaseFileName; what could not be read or was not found is told once.
void OpenDataSet() {
  if (const std::optional<std::string> message =
          editors::OpenEditorDataSet(axisdata::BaseFileName, DataFolder() + "/default")) {
    platform::Warn(*message);
  }
}

}  // namespace

void FormKAV::OpenPointTable() {
  using namespace axisdata;
  // Every visit starts on axis 0, page 0, hexadecimal; they are chosen before the data set's
  // first fill, so that fill already shows them.
  CurAxis = 0;
  CurPage = 0;
  DispMode = kHexadecimal;
  editors::SetUpKavGrid(*PrgGrid);
  OpenDataSet();
  ShowDataSetPath(*StatusPanel1);
  FillLists();
  SetTransferEnabled(!shell::OfflineMode);
  if (!shell::OfflineMode) RunBatch(true);
  Forms::Load(FormId::Main)->Widget()->hide();
  show();
  raise();
  activateWindow();
  for (QComboBox* list : {ComboAxis, ComboPage, ComboHex}) list->setEnabled(true);
  PrgGrid->show();
  TextAxis->show();
  SetEditActive(false);
  TextIn->hide();
  FocusKavGrid();
}

void FormKAV::StoreGrid() {
  cellEditor_->Commit();
  editors::StoreKavGrid(*PrgGrid, filledCells_, axisdata::CurAxis, axisdata::CurPage);
}

// --- files ---------------------------------------------------------------------------------

void FormKAV::mnuOpen_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(DataSetDialog(false));
  if (!chosen) return;
  PrgGrid->hide();
  // Only the point tables are read here: the main window's synchronous table, its file name
  // and its unsaved state stay its own, so its Save never writes that table over the chosen
  // set's and its close still offers to save unsaved changes.
  axisdata::BaseFileName = shell::DataSetBaseName(*chosen);
  OpenDataSet();
  ShowDataSetPath(*StatusPanel1);
  ShowGridWhenOnScreen();
}

void FormKAV::mnuSave_Click() { SaveDataSet(); }

bool FormKAV::SaveDataSet() {
  StoreGrid();
  const editors::KavSaveResult saved = editors::SaveKavDataSet();
  if (saved.failures) platform::Warn(*saved.failures);
  ShowDataSetPath(*StatusPanel1);
  return saved.anyWritten;
}

void FormKAV::mnuSaveAs_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(DataSetDialog(true));
  if (!chosen) return;
  // A name nothing could be written under is not taken: the next Save aims where the last did.
  const shell::DataSetNames previous = shell::CurrentDataSetNames();
  shell::SetDataSetNames(*chosen);
  if (!SaveDataSet()) {
    shell::RestoreDataSetNames(previous);
    ShowDataSetPath(*StatusPanel1);
  }
  ShowGridWhenOnScreen();
}

// --- transfers -----------------------------------------------------------------------------

void FormKAV::RunBatch(bool upload) {
  if (!shell::KeepLinkOpen()) return;
  PrgGrid->hide();
  setEnabled(false);
  editors::TransferKavDataSet(upload ? editors::BatchDirection::Upload
                                     : editors::BatchDirection::Download);
  if (upload) ShowAxisData();
  setEnabled(true);
  ShowGridWhenOnScreen();
}

void FormKAV::mnuUpload_Click() {
  // What the upload does not replace (a cancel, a failure, an axis the gateway lacks) keeps
  // what the grid showed.
  StoreGrid();
  RunBatch(true);
}

void FormKAV::mnuDownload_Click() {
  StoreGrid();
  RunBatch(false);
}
