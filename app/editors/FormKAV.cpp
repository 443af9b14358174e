#include "editors/FormKAV.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "axisdata/ExtPointData.h"
#include "axisdata/Notation.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"
#include "editors/FormComEdit.h"
#include "editors/FormPosEdit.h"
#include "editors/KavGridSetup.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenCentre.h"
#include "platform/UiServices.h"
#include "shell/ProgramHelp.h"
#include "shell/QtFonts.h"
#include "shell/QtText.h"

using resources::Tip;
using resources::Txt;
using shell::Q;

namespace {

constexpr int kWindowWidth = 876;
constexpr int kWindowHeight = 536;

// A list entry of the axis and page lists: a hexadecimal number.
std::int16_t HexEntry(const QComboBox& list) {
  return static_cast<std::int16_t>(list.currentText().toShort(nullptr, 16));
}

QLabel* ListLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setContentsMargins(8, 0, 4, 0);
  return label;
}

}  // namespace

FormKAV::FormKAV(QWidget* parent)
    : QMainWindow(parent),
      PrgGrid(nullptr),
      TextIn(nullptr),
      ComboAxis(new QComboBox(this)),
      ComboPage(new QComboBox(this)),
      ComboHex(new QComboBox(this)),
      TextAxis(ListLabel(this)),
      TextPage(ListLabel(this)),
      TextHex(ListLabel(this)),
      Toolbar1(new QToolBar(this)),
      StatusPanel1(new QLabel(this)),
      StatusPanel2(new QLabel(this)),
      StatusPanel3(new QLabel(this)),
      mnuPopUp(new QMenu(this)),
      client_(new QWidget(this)) {
  setWindowTitle(QStringLiteral("VUZOvid"));
  setCentralWidget(client_);
  PrgGrid = new platform::FlexGrid(client_);
  TextIn = new QLineEdit(client_);
  addToolBar(Qt::TopToolBarArea, Toolbar1);
  Toolbar1->setMovable(false);
  ComboHex->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(ComboAxis, &QComboBox::activated, this, Command(&FormKAV::ComboAxis_Click));
  connect(ComboPage, &QComboBox::activated, this, Command(&FormKAV::ComboPage_Click));
  connect(ComboHex, &QComboBox::activated, this, Command(&FormKAV::ComboHex_Click));
  ConnectGrid();
  cellEditor_ = new platform::CellEditor(*PrgGrid, *TextIn, KavCellRules());
}

FormKAV::~FormKAV() {
  // The grid goes after this part of the window; what it signals on its way must not reach it.
  PrgGrid->disconnect(this);
  PrgGrid->verticalHeader()->disconnect(this);
}

void FormKAV::Form_Load() {
  PrgGrid->hide();
  resize(kWindowWidth, kWindowHeight);
  platform::CentreOnScreen(*this);
  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  TextIn->hide();
  axisdata::RegisterKavGridView(this);
}

void FormKAV::Form_Unload() { axisdata::RegisterKavGridView(nullptr); }

void FormKAV::BuildMenus() {
  mnuFiles = menuBar()->addMenu(Q(Txt::FileMenu));
  mnuOpen = mnuFiles->addAction(Q(Txt::Open), this, Command(&FormKAV::mnuOpen_Click));
  mnuFiles->addSeparator();
  mnuSave = mnuFiles->addAction(Q(Txt::Save), this, Command(&FormKAV::mnuSave_Click));
  mnuSaveAs = mnuFiles->addAction(Q(Txt::SaveAs), this, Command(&FormKAV::mnuSaveAs_Click));
  mnuFiles->addSeparator();
  mnuClose = mnuFiles->addAction(Q(Txt::ExitEditor), this, Command(&FormKAV::mnuClose_Click));

  mnuTrans = menuBar()->addMenu(Q(Txt::TransferMenu));
  mnuUpload = mnuTrans->addAction(Q(Txt::UploadMenu), this, Command(&FormKAV::mnuUpload_Click));
  mnuDownload =
      mnuTrans->addAction(Q(Txt::DownloadMenu), this, Command(&FormKAV::mnuDownload_Click));

  mnuEdit = menuBar()->addMenu(Q(Txt::EditMenu));
  mnuCopy = mnuEdit->addAction(Q(Txt::Copy), this, Command(&FormKAV::mnuCopy_Click));
  mnuPaste = mnuEdit->addAction(Q(Txt::Paste), this, Command(&FormKAV::mnuPaste_Click));
  mnuQUIRN = mnuEdit->addAction(Q(Txt::EasyEdit), this, Command(&FormKAV::mnuQUIRN_Click));
  mnuPrmEdit =
      mnuEdit->addAction(Q(Txt::ParameterSetting), this, Command(&FormKAV::mnuPrmEdit_Click));

  mnuPopUp->setTitle(Q(Txt::EditMenu));
  mnuPopCopy = mnuPopUp->addAction(Q(Txt::Copy), this, Command(&FormKAV::mnuCopy_Click));
  mnuPopPaste = mnuPopUp->addAction(Q(Txt::Paste), this, Command(&FormKAV::mnuPaste_Click));
  mnuPopUp->addSeparator();
  mnuPopQUIRN = mnuPopUp->addAction(Q(Txt::EasyEdit), this, Command(&FormKAV::mnuQUIRN_Click));
}

void FormKAV::BuildToolbar() {
  QStyle* style = this->style();
  const auto addButton = [&](const std::string& key, const QIcon& icon, Tip tipId) {
    // Without an icon the button shows its tip as text.
    QAction* action = Toolbar1->addAction(icon, Q(tipId));
    action->setToolTip(Q(tipId));
    connect(action, &QAction::triggered, this,
            shell::WhenIdle([this, key] { Toolbar1_ButtonClick(key); }));
    ToolbarButtons[key] = action;
  };
  const auto addList = [&](const std::string& key, QLabel* label, Txt caption,
                           const std::string& listKey, QComboBox* list) {
    const QFont font = shell::QtFont(shell::UiFont);
    label->setFont(font);
    label->setText(Q(caption));
    list->setFont(font);
    ToolbarButtons[key] = Toolbar1->addWidget(label);
    ToolbarButtons[listKey] = Toolbar1->addWidget(list);
  };
  Toolbar1->addSeparator();
  addButton("upload", style->standardIcon(QStyle::SP_ArrowUp), Tip::Upload);
  addButton("download", style->standardIcon(QStyle::SP_ArrowDown), Tip::Download);
  Toolbar1->addSeparator();
  addButton("copy", QIcon::fromTheme(QStringLiteral("edit-copy")), Tip::Copy);
  addButton("paste", QIcon::fromTheme(QStringLiteral("edit-paste")), Tip::Paste);
  Toolbar1->addSeparator();
  addList("textaxis", TextAxis, Txt::AxisNumberLabel, "comboaxis", ComboAxis);
  addList("textpage", TextPage, Txt::PageNumberLabel, "combopage", ComboPage);
  addList("texthex", TextHex, Txt::NotationLabel, "combohex", ComboHex);
}

void FormKAV::BuildStatusBar() {
  StatusPanel1->setText(QString::fromStdString(platform::ProgramFolder() + "/data"));
  StatusPanel2->setMinimumWidth(1);
  StatusPanel3->setFrameShape(QFrame::Panel);
  StatusPanel3->setFrameShadow(QFrame::Sunken);
  StatusPanel3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  statusBar()->addWidget(StatusPanel1);
  statusBar()->addWidget(StatusPanel2, 1);
  statusBar()->addPermanentWidget(StatusPanel3);
}

// --- the window's lists ------------------------------------------------------------------

void FormKAV::FillLists() {
  const QSignalBlocker quietAxis(ComboAxis), quietPage(ComboPage), quietHex(ComboHex);
  ComboAxis->setEnabled(false);
  ComboAxis->clear();
  for (int axis = 0; axis < axisdata::AxisCount; ++axis) {
    ComboAxis->addItem(QString::fromStdString(axisdata::HexText(axis)));
  }
  ComboAxis->setCurrentIndex(axisdata::CurAxis);
  ComboPage->setEnabled(false);
  ComboPage->clear();
  for (int page = 0; page < axisdata::PagesPerAxis(axisdata::AxisCount); ++page) {
    ComboPage->addItem(QString::fromStdString(axisdata::HexText(page)));
  }
  ComboPage->setCurrentIndex(axisdata::CurPage);
  ComboHex->setEnabled(false);
  ComboHex->clear();
  ComboHex->addItems({Q(Txt::Hexadecimal), Q(Txt::Decimal), Q(Txt::ApplicationOriented)});
  ComboHex->setCurrentIndex(axisdata::DispMode);
}

void FormKAV::ComboAxis_Click() { ShowListChoice(axisdata::CurAxis, *ComboAxis); }

void FormKAV::ComboPage_Click() { ShowListChoice(axisdata::CurPage, *ComboPage); }

void FormKAV::ShowListChoice(std::int16_t& shown, const QComboBox& list) {
  StoreGrid();
  shown = HexEntry(list);
  ShowAxisData();
  ResetGridCursor();
  ShowGridWhenOnScreen();
}

void FormKAV::ComboHex_Click() {
  const auto notation = static_cast<std::int16_t>(ComboHex->currentIndex());
  if (notation != axisdata::DispMode) {
    StoreGrid();
    axisdata::DispMode = notation;
    FillKavGrid(axisdata::CurAxis, axisdata::CurPage);
    SelectionChange();
  }
  ShowGridWhenOnScreen();
}

void FormKAV::ShowAxisData() {
  axisdata::ReadComParam(axisdata::CurAxis);
  FillKavGrid(axisdata::CurAxis, axisdata::CurPage);
}

void FormKAV::ShowGridWhenOnScreen() {
  if (!isVisible()) return;
  PrgGrid->show();
  FocusKavGrid();
}

void FormKAV::FillKavGrid(std::int16_t axis, std::int16_t page) {
  editors::FillKavGrid(*PrgGrid, filledCells_, axis, page);
  // Units in the headers belong to the axis the unit set-up read last, the shown one.
  editors::SetKavGridHeaders(*PrgGrid);
}

void FormKAV::ResetGridCursor() {
  TextIn->setText(QString::fromStdString(editors::ResetGridCursor(*PrgGrid)));
}

// --- commands ------------------------------------------------------------------------------

void FormKAV::Toolbar1_ButtonClick(const std::string& key) {
  if (key == "upload") mnuUpload_Click();
  else if (key == "download") mnuDownload_Click();
  else if (key == "copy") mnuCopy_Click();
  else if (key == "paste") mnuPaste_Click();
}

void FormKAV::SetTransferEnabled(bool enabled) {
  mnuTrans->menuAction()->setEnabled(enabled);
  ToolbarButtons["upload"]->setEnabled(enabled);
  ToolbarButtons["download"]->setEnabled(enabled);
}

void FormKAV::mnuClose_Click() {
  Forms::Load(FormId::Main)->Widget()->show();
  hide();
}

void FormKAV::closeEvent(QCloseEvent* event) {
  if (shell::RefuseCloseWhileBusy(*event)) return;
  // The window lives until the program ends; its close box hands back to the main window.
  event->ignore();
  mnuClose_Click();
}

void FormKAV::mnuPrmEdit_Click() {
  FormComEdit& editor = Forms::Get<FormComEdit>(FormId::ComEdit);
  editor.AxNum(axisdata::CurAxis);
  platform::Ui().ShowModal(editor);
}

void FormKAV::mnuQUIRN_Click() {
  const int row = PrgGrid->Row();
  if (row < 1 || row > axisdata::kBasePoints) return;
  StoreGrid();
  const std::int16_t point = EditPointInPointEditor(HexEntry(*ComboAxis), HexEntry(*ComboPage),
                                                    static_cast<std::int16_t>(row - 1));
  FillKavGrid(axisdata::CurAxis, axisdata::CurPage);
  PrgGrid->SetCurrentCell(point + 1, 1);
  PrgGrid->show();
  FocusKavGrid();
}

std::int16_t FormKAV::EditPointInPointEditor(std::int16_t axis, std::int16_t page,
                                             std::int16_t point) {
  // The editor's properties set the shared selection; it unloads itself when it closes, so the
  // point it showed last is read from that selection afterwards.
  FormPosEdit& editor = Forms::Get<FormPosEdit>(FormId::PosEdit);
  editor.SetAxNum(axis);
  editor.SetPgNum(page);
  editor.SetPointNum(point);
  editor.ReadPointData(axisdata::CurAxis, axisdata::CurPoint, axisdata::CurPage);
  platform::Ui().ShowModal(editor);
  return axisdata::CurPoint;
}

void FormKAV::ShowKavHelp() { shell::ShowProgramHelp(); }

void FormKAV::FocusKavGrid() {
  SelectionChange();
  PrgGrid->setFocus();
}

// --- layout --------------------------------------------------------------------------------

void FormKAV::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayoutGrid();
}

void FormKAV::LayoutGrid() {
  // The central area lies between the toolbar and the status bar; a window lower than both
  // together leaves the grid with no height, never a negative one.
  PrgGrid->setGeometry(0, 0, std::max(client_->width(), 0), std::max(client_->height(), 0));
  PlaceCellEditor();
}

namespace editors {

void RegisterFormKAV() { Forms::Register(FormId::KAV, [] { return new FormKAV; }); }

}  // namespace editors
