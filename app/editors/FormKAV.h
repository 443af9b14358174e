#pragma once
#include <QMainWindow>
#include <cstdint>
#include <map>
#include <string>

#include "axisdata/EditorViews.h"
#include "editors/ModuleGrid.h"
#include "shell/BusyGuard.h"
#include "shell/Forms.h"
#include "shell/PointTableWindow.h"

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

// The point-table editor: the 16 points of one axis on one page in PrgGrid, edited in place
// through TextIn, in the notation ComboHex chooses; the data set's files and transfers, copy and
// paste of cell blocks, and the common-parameter and single-point editors. The main window hands
// over to it (OpenPointTable); its Exit, and its close box, hand back.
class FormKAV : public QMainWindow,
                public LoadableForm,
                public axisdata::KavGridView,
                public shell::PointTableWindow {
  Q_OBJECT

 public:
  explicit FormKAV(QWidget* parent = nullptr);
  ~FormKAV() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  void Form_Unload() override;

  void OpenPointTable() override;

  // The cells of the axis and page, and the headers of the notation (with the units of the axis
  // the unit set-up read last).
  void FillKavGrid(std::int16_t axis, std::int16_t page) override;
  void ResetGridCursor() override;

  void ComboAxis_Click();
  void ComboPage_Click();
  void ComboHex_Click();
  void Toolbar1_ButtonClick(const std::string& key);
  void mnuOpen_Click();
  void mnuSave_Click();
  void mnuSaveAs_Click();
  void mnuClose_Click();
  void mnuUpload_Click();
  void mnuDownload_Click();
  void mnuCopy_Click();
  void mnuPaste_Click();
  void mnuQUIRN_Click();  // Easy Edit
  void mnuPrmEdit_Click();
  void ShowKavHelp();
  // The selection-change steps, then the grid takes the focus.
  void FocusKavGrid();

  // The in-cell editor is open over the current cell.
  bool EditActive() const;

  platform::FlexGrid* PrgGrid;
  QLineEdit* TextIn;
  QComboBox* ComboAxis;
  QComboBox* ComboPage;
  QComboBox* ComboHex;
  QLabel* TextAxis;
  QLabel* TextPage;
  QLabel* TextHex;
  QToolBar* Toolbar1;
  QLabel* StatusPanel1;  // the data set's path
  QLabel* StatusPanel2;  // current cell and selection end
  QLabel* StatusPanel3;

  QMenu* mnuFiles;
  QAction* mnuOpen;
  QAction* mnuSave;
  QAction* mnuSaveAs;
  QAction* mnuClose;
  QMenu* mnuTrans;
  QAction* mnuUpload;
  QAction* mnuDownload;
  QMenu* mnuEdit;
  QAction* mnuCopy;
  QAction* mnuPaste;
  QAction* mnuQUIRN;
  QAction* mnuPrmEdit;
  QMenu* mnuPopUp;
  QAction* mnuPopCopy;
  QAction* mnuPopPaste;
  QAction* mnuPopQUIRN;
  std::map<std::string, QAction*> ToolbarButtons;  // by key

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the grid's last fill wrote: only cells the user changed since are stored.
  editors::KavCellTexts filledCells_;

  // A menu, toolbar or list command of this window, dropped while a loop runs.
  template <typename Method>
  auto Command(Method method) {
    return shell::IdleCommand(this, method);
  }

  void BuildMenus();
  void BuildToolbar();
  void BuildStatusBar();
  void ConnectGrid();
  void FillLists();
  // The axis or page chosen in its list takes the grid, the shown one stored first.
  void ShowListChoice(std::int16_t& shown, const QComboBox& list);
  void SetTransferEnabled(bool enabled);
  void LayoutGrid();

  // Save: the grid, then every file of the data set; false when none could be written.
  bool SaveDataSet();
  // The grid's cells into the data of the shown axis and page; an edit open in TextIn is taken
  // into its cell first, as it shows there.
  void StoreGrid();
  // The unit set-up of the shown axis, then its cells and headers.
  void ShowAxisData();
  // Shows the grid and gives it the focus, while the window is on screen.
  void ShowGridWhenOnScreen();
  // A transfer of the whole data set with the grid hidden and the window still.
  void RunBatch(bool upload);
  // Opens the single-point editor on the point; the point it shows when it closes.
  std::int16_t EditPointInPointEditor(std::int16_t axis, std::int16_t page, std::int16_t point);

  // In-cell editing, by the grid's and the editor's events.
  platform::CellEditRules KavCellRules();
  bool AcceptKeyChar(QChar& c) const;
  void SelectionChange();
  void BeginCellEdit(const QString& text);
  void PlaceCellEditor();
  void SetEditActive(bool active);
  void PrgGrid_Click();
  void PrgGrid_DblClick();
  void PrgGrid_KeyDown(int keyCode);
  void PrgGrid_KeyPress(int keyAscii);
  void PrgGrid_RightButtonDown(const QPoint& position);
  void RowLabel_DblClick(int row);
  bool TextIn_KeyDown(int keyCode);  // true when the key was taken
  void TextIn_Click();
  void RememberClickedCell();

  platform::CellEditor* cellEditor_ = nullptr;
  QWidget* client_;
  int LastRow = 0;
  int LastCol = 0;
};

namespace editors {

// Registers the window with the window registry.
void RegisterFormKAV();

}  // namespace editors
