#pragma once
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "resources/UiText.h"
#include "shell/BusyGuard.h"
#include "shell/Forms.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;

namespace platform {
class CellEditor;
struct CellEditRules;
class FlexGrid;
}  // namespace platform

// The main window: one model of the synchronous table in SyncGrid, edited in place, with the
// file and transfer commands in its menus and toolbar.
class FormMain : public QMainWindow, public LoadableForm {
  Q_OBJECT

 public:
  explicit FormMain(QWidget* parent = nullptr);
  ~FormMain() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  void Form_Unload() override;

  // Lays out the synchronous-table grid (rows, columns, headers, widths).
  // Lays out the synchronous-table grid: rows, columns, headers, widths and alignment.
  void SetUpSyncGrid();

  // Loads the default ZEL file into the image and the grid; a new data set starts as a copy of
  // it under the "new" names.
  void DefaultFileOpen(bool isNew);

  bool mnuOpen_Click();     // true when the chosen file is in the image
  bool mnuSave_Click();    // true when the image is in the file
  bool mnuSaveAs_Click();  // true when the image is in the chosen file
  void mnuCSVExport_Click();
  void mnuCSVImport_Click();
  void mnuUpload_Click();
  void mnuDownload_Click();
  void mnuScanList_Click();
  // "Position Setting": hands over to the point-table editor.
  void mnuPosEdit_Click();
  void mnuQuit_Click();
  void mnuNoteHelp_Click();
  void mnuVersion_Click();
  void ComboModel_Click();
  void Toolbar1_ButtonClick(const std::string& key);

  // The wheel hook's call: rotation > 0 is a turn away from the user.
  void MouseWheel(std::int32_t keyState, std::int32_t rotation, std::int32_t x, std::int32_t y);

  // Link mode chosen in the start wizard: the upload and download commands of the Transfer menu
  // and the toolbar.
  void SetTransferEnabled(bool enabled);

  platform::FlexGrid* SyncGrid;
  QLineEdit* Text1;
  QComboBox* ComboModel;
  QLabel* TextModel;
  QToolBar* Toolbar1;
  QLabel* StatusPanel1;

  QMenu* mnuFiles;
  QAction* mnuOpen;
  QAction* mnuSave;
  QAction* mnuSaveAs;
  QAction* mnuCSVExport;
  QAction* mnuCSVImport;
  QAction* mnuQuit;
  QMenu* mnuTrans;
  QAction* mnuUpload;
  QAction* mnuDownload;
  QAction* mnuScanList;
  QAction* mnuPosEdit;
  QMenu* mnuHelp;
  QAction* mnuNoteHelp;
  QAction* mnuVersion;
  std::map<std::string, QAction*> ToolbarButtons;  // by key

  std::int16_t ModelIndex = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A menu or toolbar command of this window, dropped while a loop runs.
  template <typename Method>
  auto Command(Method method) {
    return shell::IdleCommand(this, method);
  }

  void BuildMenus();
  void BuildToolbar();
  void ApplyGeometryFromIni();

  // Whole-image transfers: the progress window with the load count reset to the image's size,
  // then the step loop, captioned movingText from the first word moved.
  void BeginImageTransfer(resources::Txt caption, bool cancellable);
  std::int32_t RunImageTransfer(resources::Txt movingText,
                                const std::function<std::int32_t()>& step);

  // In-cell editing of the grid: cells take "0" or "1", Enter, Tab and the arrows move on.
  platform::CellEditRules SyncCellRules();
  void StartCellEdit(int keyCode);
  bool EditBoxNavigate(int keyCode);  // true when the key was taken
  void Text1_Change();
  void CommitCellEdit();

  // Asks whether to save unsaved changes; false when the caller must not go on.
  bool ConfirmDiscardOrSave();
  // Writes the image (with the shown model's grid) to CurFileName; Save quotes the values,
  // Save As writes them bare. False, with the failure shown, when the file was not written.
  bool SaveImage(bool quoted);
  // A new image: the shown model's grid and an open scan-list dialog show its words.
  void ShowImageWords();
  void ShowImage();
  void ShowFileError(const std::string& description);
  void LayoutGrid();

  bool FormLoading = false;
  platform::CellEditor* cellEditor_ = nullptr;
  QWidget* client_;
};
