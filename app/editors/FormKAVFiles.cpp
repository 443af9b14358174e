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

}  // namespace

void FormKAV::OpenPointTable() {
  using namespace axisdata;
  // Every visit starts on axis 0, page 0, hexadecimal; they are chosen before the data set's
  // first fill, so that fill already shows them.
  CurAxis = 0;
  CurPage = 0;
  DispMode = kHexadecimal;
  dataSetPath_ = shell::CurFileName;
  editors::SetUpKavGrid(*PrgGrid);
  // A data set never saved has no point tables on disk; like its synchronous table it starts as
  // a copy of the default set (saving writes it under its own name).
  OpenKavDataSet(editors::KavDataSetOnDisk(BaseFileName) ? BaseFileName : DataFolder() + "/default");
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
  editors::StoreKavGrid(*PrgGrid, axisdata::CurAxis, axisdata::CurPage);
}

void FormKAV::ShowFileFailure(const std::string& text) {
  platform::Ui().MessageBox(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation, "");
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
  dataSetPath_ = *chosen;
  // Each file that cannot be read is told by its reader and leaves its words as they were.
  axisdata::OpenKavDataSet(axisdata::BaseFileName);
  StatusPanel1->setText(QString::fromStdString(dataSetPath_));
  ShowGridWhenOnScreen();
}

void FormKAV::mnuSave_Click() {
  StoreGrid();
  if (const std::optional<std::string> failures = editors::SaveKavDataSet()) {
    ShowFileFailure(*failures);
  }
  StatusPanel1->setText(QString::fromStdString(dataSetPath_));
}

void FormKAV::mnuSaveAs_Click() {
  const std::optional<std::string> chosen = platform::Ui().FileDialog(DataSetDialog(true));
  if (!chosen) return;
  shell::SetDataSetNames(*chosen);
  dataSetPath_ = *chosen;
  mnuSave_Click();
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

void FormKAV::mnuUpload_Click() { RunBatch(true); }

void FormKAV::mnuDownload_Click() {
  StoreGrid();
  RunBatch(false);
}
