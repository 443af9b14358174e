#include "editors/FormPosEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <initializer_list>
#include <vector>

#include "axisdata/Selection.h"
#include "axisdata/TransferLoop.h"
#include "editors/ComEditCore.h"
#include "editors/EditorText.h"
#include "editors/LeavingBox.h"
#include "editors/NumberBox.h"
#include "editors/TabOrder.h"
#include "platform/ScreenCentre.h"
#include "shell/BusyGuard.h"
#include "shell/QtFonts.h"
#include "shell/QtText.h"

using editors::EditorText;
using editors::EditorTxt;
using editors::kUsedRows;
using editors::NumberBox;
using editors::PosRow;

namespace {

QString E(EditorTxt id) { return QString::fromStdString(EditorText(id)); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kSliderWidth = 260;

// Properties that tell the focus filter which box it watches.
const char* const kRowProperty = "posRow";
const char* const kUnitProperty = "unitBox";

// A number too long for its box shows its first digits, not its last.
void SetBoxText(QLineEdit* box, const std::string& text) {
  const QString q = Q(text);
  if (box->text() == q) return;
  box->setText(q);
  if (!box->hasFocus()) box->setCursorPosition(0);
}

void Show(std::initializer_list<QWidget*> widgets, bool shown) {
  for (QWidget* w : widgets) w->setVisible(shown);
}

void SetCheck(QCheckBox* box, const editors::PosCheck& check) {
  const QSignalBlocker block(box);
  box->setChecked(check.checked);
  box->setEnabled(check.enabled);
  box->setVisible(check.shown);
}

// One of two exclusive options selected.
void Select(QRadioButton* first, QRadioButton* second, bool secondSelected) {
  const QSignalBlocker blockFirst(first), blockSecond(second);
  (secondSelected ? second : first)->setChecked(true);
}

void SetSlider(QScrollBar* bar, const editors::PosSlider& slider) {
  const QSignalBlocker block(bar);
  bar->setRange(slider.minimum, slider.maximum);
  bar->setSingleStep(slider.step);
  bar->setPageStep(std::max(slider.step, (slider.maximum - slider.minimum) / 20));
  bar->setValue(slider.value);
  bar->setEnabled(slider.enabled);
}

// The menu entry that opens the editor, without its access key.
QString WindowTitle() {
  QString title = shell::Q(resources::Txt::PositionSetting);
  return title.remove(QRegularExpression(QStringLiteral("\\(&.\\)$|&")));
}

}  // namespace

FormPosEdit::FormPosEdit(QWidget* parent)
    : shell::EditorDialog(parent),
      LblAxCap(new QLabel(this)),
      LblAxNum(new QLabel(this)),
      LblPtCap(new QLabel(this)),
      LblPtNum(new QLabel(this)),
      LblPgCap(new QLabel(this)),
      LblPgNum(new QLabel(this)),
      FrmDataSet(new QGroupBox(this)),
      Label3(new QLabel(FrmDataSet)),
      Label18(new QLabel(FrmDataSet)),
      LblUnit9(new QLabel(FrmDataSet)),
      LblUnit10(new QLabel(FrmDataSet)),
      LblUnit11(new QLabel(FrmDataSet)),
      LblAcclUnit(new QLabel(FrmDataSet)),
      Label7(new QLabel(FrmDataSet)),
      Label19(new QLabel(FrmDataSet)),
      Text6(NumberBox(FrmDataSet)),
      CheckAccel(new QCheckBox(this)),
      CheckIncre(new QCheckBox(this)),
      CheckRotate(new QCheckBox(this)),
      FrameRotate(new QGroupBox(this)),
      OptCWRot(new QRadioButton(FrameRotate)),
      OptCCWRot(new QRadioButton(FrameRotate)),
      FrameStopper(new QGroupBox(this)),
      CheckStopper(new QCheckBox(FrameStopper)),
      FrameStopDir(new QGroupBox(FrameStopper)),
      OptionStopFwd(new QRadioButton(FrameStopDir)),
      OptionStopRvs(new QRadioButton(FrameStopDir)),
      CommandOK(new QPushButton(this)),
      CommandCansel(new QPushButton(this)) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (const PosRow row : kUsedRows) {
    Label10[row] = new QLabel(FrmDataSet);
    Text2[row] = NumberBox(FrmDataSet);
    HScroll2[row] = new QScrollBar(Qt::Horizontal, FrmDataSet);
    HScroll2[row]->setMinimumWidth(kSliderWidth);
  }
  for (QLineEdit*& box : Text4) box = NumberBox(FrmDataSet);
  // Enter in a box commits that box; it must not press a button as well.
  for (QPushButton* button : {CommandOK, CommandCansel}) button->setAutoDefault(false);
  BuildLayout();
  SetTabOrder();
  ConnectControls();
  editors::ComEdit().SetPointView(&core_);
  core_.SetView(this);
  attached_ = true;
}

FormPosEdit::~FormPosEdit() { Detach(); }

// The window may outlive its unload until Qt deletes it, and the next one registers meanwhile.
void FormPosEdit::Detach() {
  if (!attached_) return;
  editors::ComEdit().SetPointView(nullptr);
  core_.SetView(nullptr);
  attached_ = false;
}

void FormPosEdit::BuildLayout() {
  auto* top = new QHBoxLayout;
  for (QLabel* label : {LblAxCap, LblAxNum, LblPtCap, LblPtNum, LblPgCap, LblPgNum}) {
    top->addWidget(label);
    if (label == LblAxNum || label == LblPtNum) top->addSpacing(24);
  }
  top->addStretch();

  // Columns: caption, value, its unit, value in the display unit, that unit, slider.
  auto* rows = new QGridLayout(FrmDataSet);
  const auto addRow = [&](int line, PosRow row, QLabel* unit) {
    rows->addWidget(Label10[row], line, 0);
    rows->addWidget(Text2[row], line, 1);
    if (unit) rows->addWidget(unit, line, 2);
    rows->addWidget(HScroll2[row], line, 5);
  };
  addRow(0, editors::kPositionRow, Label3);
  rows->addWidget(Text4[0], 0, 3);
  rows->addWidget(LblUnit9, 0, 4);
  rows->addWidget(Label19, 1, 0);
  rows->addWidget(Text6, 1, 1);
  addRow(2, editors::kInPosRow, Label18);
  rows->addWidget(Text4[1], 2, 3);
  rows->addWidget(LblUnit10, 2, 4);
  addRow(3, editors::kSpeedRow, LblUnit11);
  addRow(4, editors::kAccRow, LblAcclUnit);
  addRow(5, editors::kCurrentRow, Label7);
  addRow(6, editors::kGainRow, nullptr);
  rows->setColumnStretch(5, 1);

  auto* rotate = new QHBoxLayout(FrameRotate);
  rotate->addWidget(OptCWRot);
  rotate->addWidget(OptCCWRot);
  auto* stopDir = new QHBoxLayout(FrameStopDir);
  stopDir->addWidget(OptionStopFwd);
  stopDir->addWidget(OptionStopRvs);
  auto* stopper = new QVBoxLayout(FrameStopper);
  stopper->addWidget(CheckStopper);
  stopper->addWidget(FrameStopDir);

  auto* modes = new QVBoxLayout;
  modes->addWidget(CheckAccel);
  modes->addWidget(CheckIncre);
  modes->addWidget(CheckRotate);
  modes->addWidget(FrameRotate);
  modes->addStretch();
  auto* options = new QHBoxLayout;
  options->addLayout(modes);
  options->addWidget(FrameStopper);
  options->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CommandOK);
  buttons->addWidget(CommandCansel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(FrmDataSet);
  layout->addLayout(options);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // follows the rows that show
}

// Row by row, the turns after the position, then the options and the buttons. The sliders take
// no focus.
void FormPosEdit::SetTabOrder() {
  std::vector<QWidget*> order;
  for (const PosRow row : kUsedRows) {
    order.push_back(Text2[row]);
    if (row < editors::kUnitRows) order.push_back(Text4[row]);
    if (row == editors::kPositionRow) order.push_back(Text6);
  }
  order.insert(order.end(), {CheckAccel, CheckIncre, CheckRotate, OptCWRot, OptCCWRot, CheckStopper,
                             OptionStopFwd, OptionStopRvs, CommandOK, CommandCansel});
  editors::SetTabOrder(order);
}

void FormPosEdit::ConnectControls() {
  for (const PosRow row : kUsedRows) {
    connect(HScroll2[row], &QScrollBar::valueChanged, this,
            [this, row](int value) { core_.HScroll2_Change(row, value); });
    connect(Text2[row], &QLineEdit::textEdited, this,
            [this, row](const QString& text) { core_.SetText(row, text.toStdString()); });
    connect(Text2[row], &QLineEdit::returnPressed, this,
            shell::WhenIdle([this, row] { core_.CommitText(row); }));
    Text2[row]->setProperty(kRowProperty, static_cast<int>(row));
    Text2[row]->installEventFilter(this);
  }
  for (int row = 0; row < editors::kUnitRows; ++row) {
    connect(Text4[row], &QLineEdit::textEdited, this,
            [this, row](const QString& text) { core_.SetUnitText(row, text.toStdString()); });
    connect(Text4[row], &QLineEdit::returnPressed, this,
            shell::WhenIdle([this, row] { core_.CommitUnitText(row); }));
    Text4[row]->setProperty(kRowProperty, row);
    Text4[row]->setProperty(kUnitProperty, true);
    Text4[row]->installEventFilter(this);
  }
  connect(Text6, &QLineEdit::textEdited, this,
          [this](const QString& text) { core_.SetTurns(text.toStdString()); });
  connect(CheckAccel, &QCheckBox::clicked, this,
          [this](bool checked) { core_.CheckAccel_Click(checked); });
  connect(CheckIncre, &QCheckBox::clicked, this,
          [this](bool checked) { core_.CheckIncre_Click(checked); });
  connect(CheckRotate, &QCheckBox::clicked, this,
          [this](bool checked) { core_.CheckRotate_Click(checked); });
  connect(CheckStopper, &QCheckBox::clicked, this,
          [this](bool checked) { core_.CheckStopper_Click(checked); });
  connect(OptionStopFwd, &QRadioButton::clicked, this, [this] { core_.SelectPushReverse(false); });
  connect(OptionStopRvs, &QRadioButton::clicked, this, [this] { core_.SelectPushReverse(true); });
  connect(OptCCWRot, &QRadioButton::clicked, this, [this] { core_.SelectClockwise(false); });
  connect(OptCWRot, &QRadioButton::clicked, this, [this] { core_.SelectClockwise(true); });
  connect(CommandOK, &QPushButton::clicked, this, shell::WhenIdle([this] { CommandOK_Click(); }));
  connect(CommandCansel, &QPushButton::clicked, this,
          shell::WhenIdle([this] { CommandCansel_Click(); }));
}

bool FormPosEdit::eventFilter(QObject* watched, QEvent* event) {
  if (editors::LeavingBox(*event)) {
    const int row = watched->property(kRowProperty).toInt();
    if (watched->property(kUnitProperty).toBool()) {
      core_.CommitUnitText(row);
    } else {
      core_.CommitText(row);
    }
  }
  return platform::ModalDialog::eventFilter(watched, event);
}

void FormPosEdit::Form_Load() {
  SetFonts();
  SetCaptions();
  ShowPosEdit();
  adjustSize();
  platform::CentreOnScreen(*this);
}

void FormPosEdit::Form_Unload() { Detach(); }

// The loads' warning comes once the window is up, so it stands over the point it is about.
void FormPosEdit::showEvent(QShowEvent* event) {
  shell::EditorDialog::showEvent(event);
  QTimer::singleShot(0, this, [this] { core_.Shown(); });
}

void FormPosEdit::SetFonts() {
  setFont(shell::QtFont(shell::TitleFont));
  const QFont ui = shell::QtFont(shell::UiFont);
  for (QWidget* w : std::initializer_list<QWidget*>{
           LblAxCap, LblPtCap, LblPgCap, FrmDataSet, CheckAccel, CheckIncre, CheckRotate,
           FrameRotate, OptCWRot, OptCCWRot, FrameStopper, CheckStopper, FrameStopDir,
           OptionStopFwd, OptionStopRvs}) {
    w->setFont(ui);
  }
  for (const PosRow row : kUsedRows) Label10[row]->setFont(ui);
  const QFont boxes = shell::QtFont(shell::GridFont);
  for (const PosRow row : kUsedRows) Text2[row]->setFont(boxes);
  for (QLineEdit* box : {Text4[0], Text4[1], Text6}) box->setFont(boxes);
  for (QPushButton* button : {CommandOK, CommandCansel}) {
    button->setFont(shell::QtFont(shell::CommandFont));
  }
}

void FormPosEdit::SetCaptions() {
  setWindowTitle(WindowTitle());
  LblAxCap->setText(E(EditorTxt::AxisCaption));
  LblPtCap->setText(E(EditorTxt::PointCaption));
  LblPgCap->setText(E(EditorTxt::PageCaption));
  for (const PosRow row : kUsedRows) Label10[row]->setText(Q(core_.RowCaption(row)));
  Label3->setText(QStringLiteral("pulse"));
  Label18->setText(QStringLiteral("pulse"));
  Label7->setText(QStringLiteral("%"));
  Label19->setText(QString::fromUtf8(editors::kTurnsCaption));
  CheckAccel->setText(E(EditorTxt::MaxAccel));
  CheckIncre->setText(E(EditorTxt::RelativeMove));
  CheckRotate->setText(E(EditorTxt::EndlessRotation));
  CheckStopper->setText(E(EditorTxt::PusherValid));
  FrameStopper->setTitle(E(EditorTxt::PusherFrame));
  FrameStopDir->setTitle(E(EditorTxt::PushDirFrame));
  OptCWRot->setText(QStringLiteral("CW"));
  OptCCWRot->setText(QStringLiteral("CCW"));
  CommandOK->setText(E(EditorTxt::Store));
  CommandCansel->setText(E(EditorTxt::Cancel));
}

void FormPosEdit::ShowPosEdit() {
  const editors::PosEditFields f = core_.Fields();
  LblAxNum->setText(Q(f.axisNumber));
  LblPtNum->setText(Q(f.pointNumber));
  LblPgNum->setText(Q(f.pageNumber));
  Show({LblPgCap, LblPgNum}, f.pageShown);
  for (const PosRow row : kUsedRows) {
    SetBoxText(Text2[row], f.value[row]);
    Text2[row]->setEnabled(f.valueEnabled[row]);
    SetSlider(HScroll2[row], f.slider[row]);
  }
  for (int row = 0; row < editors::kUnitRows; ++row) {
    SetBoxText(Text4[row], f.unitValue[row]);
    Text4[row]->setEnabled(f.unitValueEnabled[row]);
  }
  SetBoxText(Text6, f.turns);
  Show({Label19, Text6}, f.turnsShown);
  Show({Label10[editors::kInPosRow], LblUnit10, Text4[editors::kInPosRow],
        HScroll2[editors::kInPosRow]},
       f.inPosUnitShown);
  Show({Label10[editors::kCurrentRow], Label7, Text2[editors::kCurrentRow],
        HScroll2[editors::kCurrentRow]},
       f.currentRowShown);
  SetCheck(CheckAccel, f.accel);
  SetCheck(CheckIncre, f.incre);
  SetCheck(CheckRotate, f.rotate);
  SetCheck(CheckStopper, f.stopper);
  FrameStopper->setEnabled(f.stopperFrameEnabled);
  for (QWidget* w : std::initializer_list<QWidget*>{FrameStopDir, OptionStopFwd, OptionStopRvs}) {
    w->setEnabled(f.stopDirEnabled);
  }
  Select(OptionStopFwd, OptionStopRvs, f.pushReverse);
  FrameRotate->setVisible(f.rotateDirShown);
  Select(OptCCWRot, OptCWRot, f.clockwise);

  Label10[editors::kCurrentRow]->setText(Q(f.currentCaption));
  OptionStopFwd->setText(Q(f.stopFwdCaption));
  OptionStopRvs->setText(Q(f.stopRvsCaption));
  const QString unit = Q(f.positionUnit);
  LblUnit9->setText(unit);
  LblUnit10->setText(unit);
  LblUnit11->setText(unit.isEmpty() ? QString() : unit + QStringLiteral("/s"));
  LblAcclUnit->setText(Q(f.accUnit));
}

void FormPosEdit::SetAxNum(std::int16_t axis) { core_.SetAxNum(axis); }

std::int16_t FormPosEdit::AxNum() const { return core_.AxNum(); }

void FormPosEdit::SetPgNum(std::int16_t page) { core_.SetPgNum(page); }

std::int16_t FormPosEdit::PgNum() const { return core_.PgNum(); }

void FormPosEdit::SetPointNum(std::int16_t point) { core_.SetPointNum(point); }

std::int16_t FormPosEdit::PointNum() const { return core_.PointNum(); }

std::int16_t FormPosEdit::MaxPage() const { return core_.MaxPage(); }

void FormPosEdit::ReadPointData(std::int16_t axis, std::int16_t point, std::int16_t page) {
  core_.ReadPointData(axis, point, page);
}

editors::WriteResult FormPosEdit::WritePointData(std::int16_t axis, std::int16_t point,
                                                 std::int16_t page) {
  return core_.WritePointData(axis, point, page);
}

// A refused value keeps the window open for the user to mend it; otherwise OK ends the edit,
// written or not.
void FormPosEdit::CommandOK_Click() {
  using axisdata::CurAxis, axisdata::CurPage, axisdata::CurPoint;
  if (WritePointData(CurAxis, CurPoint, CurPage) == editors::WriteResult::Refused) return;
  Forms::Unload(FormId::PosEdit);
}

void FormPosEdit::CommandCansel_Click() { Forms::Unload(FormId::PosEdit); }

namespace editors {

void RegisterFormPosEdit() {
  Forms::Register(FormId::PosEdit, [] { return new FormPosEdit; });
}

}  // namespace editors
