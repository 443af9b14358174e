#include "editors/FormComEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <initializer_list>
#include <map>

#include "axisdata/TransferLoop.h"
#include "editors/EditorText.h"
#include "editors/LeavingBox.h"
#include "editors/NumberBox.h"
#include "editors/TabOrder.h"
#include "platform/DecimalSign.h"
#include "platform/ScreenCentre.h"
#include "shell/BusyGuard.h"
#include "shell/ModuleMain.h"
#include "shell/QtFonts.h"
#include "shell/QtText.h"

using editors::ComBox;
using editors::EditorText;
using editors::EditorTxt;
using editors::NumberBox;

namespace {

QString E(EditorTxt id) { return QString::fromStdString(EditorText(id)); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The menu entry that opens the window, without its access key: "Parameter Setting".
QString WindowTitle() {
  QString title = shell::Q(resources::Txt::ParameterSetting);
  const qsizetype key = title.indexOf(QStringLiteral("(&"));
  return key < 0 ? title.remove(QLatin1Char('&')) : title.left(key);
}

// Rows of the display-decimals list: the smallest step each one shows.
QStringList DecimalsItems() {
  const QString sign(QChar::fromLatin1(platform::DecimalSign()));
  return {QStringLiteral("1"), QStringLiteral("0") + sign + QStringLiteral("1"),
          QStringLiteral("0") + sign + QStringLiteral("01"),
          QStringLiteral("0") + sign + QStringLiteral("001")};
}

void SetText(QLineEdit* box, const std::string& text) {
  const QString q = Q(text);
  if (box->text() != q) box->setText(q);
}

// A box that takes no typing looks like it, the window's background behind its text, and the
// Tab key passes it by; a click still reaches it, to copy its text.
void SetTakesTyping(QLineEdit* box, bool typing) {
  if (box->isReadOnly() == !typing) return;  // already so
  box->setReadOnly(!typing);
  box->setFocusPolicy(typing ? Qt::StrongFocus : Qt::ClickFocus);
  QPalette palette;  // every role but Base as the box would have it
  if (!typing) palette.setBrush(QPalette::Base, box->palette().window());
  box->setPalette(palette);
}

void ShowAll(std::initializer_list<QWidget*> widgets, bool shown) {
  for (QWidget* w : widgets) w->setVisible(shown);
}

}  // namespace

FormComEdit::FormComEdit(QWidget* parent)
    : shell::EditorDialog(parent),
      LblAxCap(new QLabel(this)),
      LblAxNum(new QLabel(this)),
      LblTypeCap(new QLabel(this)),
      LblTypeName(new QLabel(this)),
      FrmCoord(new QGroupBox(this)),
      LblType(new QLabel(FrmCoord)),
      ComboType(new QComboBox(FrmCoord)),
      LblReso(new QLabel(FrmCoord)),
      ComboReso(new QComboBox(FrmCoord)),
      Label22{},
      Text7{NumberBox(FrmCoord), NumberBox(FrmCoord)},
      LblUnit12(new QLabel(FrmCoord)),
      Text8(NumberBox(FrmCoord)),
      LblAccUnit(new QLabel(FrmCoord)),
      FrmCondition(new QGroupBox(this)),
      LblFwdLimit(new QLabel(FrmCondition)),
      TextFwdLimit(NumberBox(FrmCondition)),
      LblUnit7(new QLabel(FrmCondition)),
      LblRvsLimit(new QLabel(FrmCondition)),
      TextRvsLimit(NumberBox(FrmCondition)),
      LblUnit8(new QLabel(FrmCondition)),
      Label29(new QLabel(FrmCondition)),
      Text5(NumberBox(FrmCondition)),
      LblUnit4(new QLabel(FrmCondition)),
      LblHomeSel(new QLabel(FrmCondition)),
      CmbHomeSel(new QComboBox(FrmCondition)),
      CheckILK(new QCheckBox(FrmCondition)),
      Frame3(new QGroupBox(FrmCondition)),
      Label8(new QLabel(Frame3)),
      TxtHomeVel(NumberBox(Frame3)),
      LblSpeedUnit(new QLabel(Frame3)),
      Label9(new QLabel(Frame3)),
      TxtHomeAcc(NumberBox(Frame3)),
      LblHAccUnit(new QLabel(Frame3)),
      LblODPW(new QLabel(Frame3)),
      Text3(NumberBox(Frame3)),
      Label5(new QLabel(Frame3)),
      Frame10(new QGroupBox(this)),
      Label31(new QLabel(Frame10)),
      FwdZoneTxt(NumberBox(Frame10)),
      LblUnit5(new QLabel(Frame10)),
      Label33(new QLabel(Frame10)),
      RvsZoneTxt(NumberBox(Frame10)),
      LblUnit6(new QLabel(Frame10)),
      CmdConf(new QPushButton(this)),
      CmdCansel(new QPushButton(this)),
      core_(editors::ComEdit()) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (QLabel*& label : Label22) label = new QLabel(FrmCoord);
  // The boxes show what the type decides; the lead is not stored and the home acceleration is
  // never written back, so typing there would change nothing that lasts.
  for (QLineEdit* box : {Text7[0], Text7[1], Text8, TxtHomeAcc}) SetTakesTyping(box, false);
  Text7[1]->setAlignment(Qt::AlignLeft);
  // Enter in a box commits that box; it must not press a button as well.
  for (QPushButton* button : {CmdConf, CmdCansel}) button->setAutoDefault(false);
  BuildLayout();
  SetTabOrder();
  ConnectBoxes();
  connect(ComboType, &QComboBox::activated, this, &FormComEdit::ComboType_Click);
  connect(ComboReso, &QComboBox::activated, this, &FormComEdit::ComboReso_Click);
  connect(CmbHomeSel, &QComboBox::activated, this, &FormComEdit::CmbHomeSel_Click);
  connect(CheckILK, &QCheckBox::clicked, this, &FormComEdit::CheckILK_Click);
  connect(CmdConf, &QPushButton::clicked, this, shell::WhenIdle([this] { CmdConf_Click(); }));
  connect(CmdCansel, &QPushButton::clicked, this, shell::WhenIdle([this] { CmdCansel_Click(); }));
  core_.SetView(this);
}

FormComEdit::~FormComEdit() { core_.SetView(nullptr); }

void FormComEdit::BuildLayout() {
  auto* top = new QHBoxLayout;
  top->addWidget(LblAxCap);
  top->addWidget(LblAxNum);
  top->addSpacing(24);
  top->addWidget(LblTypeCap);
  top->addWidget(LblTypeName);
  top->addStretch();

  auto* coord = new QGridLayout(FrmCoord);
  coord->addWidget(LblType, 0, 0);
  coord->addWidget(ComboType, 0, 1, 1, 3);
  coord->addWidget(LblReso, 1, 0);
  coord->addWidget(ComboReso, 1, 1, 1, 3);
  coord->addWidget(Label22[0], 2, 0);
  coord->addWidget(Text7[0], 2, 1);
  coord->addWidget(LblUnit12, 2, 2);
  coord->addWidget(Label22[2], 2, 3);
  coord->addWidget(Label22[1], 3, 0);
  coord->addWidget(Text7[1], 3, 1);
  coord->addWidget(Label22[3], 4, 0);
  coord->addWidget(Text8, 4, 1);
  coord->addWidget(Label22[4], 4, 2, 1, 2);
  coord->addWidget(Label22[5], 5, 0);
  coord->addWidget(LblAccUnit, 5, 1);
  coord->setColumnStretch(3, 1);

  auto* zone = new QGridLayout(Frame10);
  zone->addWidget(Label31, 0, 0);
  zone->addWidget(FwdZoneTxt, 0, 1);
  zone->addWidget(LblUnit5, 0, 2);
  zone->addWidget(Label33, 1, 0);
  zone->addWidget(RvsZoneTxt, 1, 1);
  zone->addWidget(LblUnit6, 1, 2);
  zone->setColumnStretch(2, 1);

  auto* homing = new QGridLayout(Frame3);
  homing->addWidget(Label8, 0, 0);
  homing->addWidget(TxtHomeVel, 0, 1);
  homing->addWidget(LblSpeedUnit, 0, 2);
  homing->addWidget(Label9, 1, 0);
  homing->addWidget(TxtHomeAcc, 1, 1);
  homing->addWidget(LblHAccUnit, 1, 2);
  homing->addWidget(LblODPW, 2, 0);
  homing->addWidget(Text3, 2, 1);
  homing->addWidget(Label5, 2, 2);
  homing->setColumnStretch(2, 1);

  auto* condition = new QGridLayout(FrmCondition);
  condition->addWidget(LblFwdLimit, 0, 0);
  condition->addWidget(TextFwdLimit, 0, 1);
  condition->addWidget(LblUnit7, 0, 2);
  condition->addWidget(LblRvsLimit, 1, 0);
  condition->addWidget(TextRvsLimit, 1, 1);
  condition->addWidget(LblUnit8, 1, 2);
  condition->addWidget(Label29, 2, 0);
  condition->addWidget(Text5, 2, 1);
  condition->addWidget(LblUnit4, 2, 2);
  condition->addWidget(LblHomeSel, 3, 0);
  condition->addWidget(CmbHomeSel, 3, 1, 1, 2);
  condition->addWidget(Frame3, 4, 0, 1, 3);
  condition->addWidget(CheckILK, 5, 0, 1, 3);
  condition->setColumnStretch(2, 1);
  condition->setRowStretch(6, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(FrmCoord);
  left->addWidget(Frame10);
  left->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(FrmCondition);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdConf);
  buttons->addWidget(CmdCansel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // follows the groups that show
}

// Down the left column, then down the right one, then the buttons. The boxes that take no
// typing keep their places, so Tab after a click into one goes on from there.
void FormComEdit::SetTabOrder() {
  editors::SetTabOrder({ComboType, ComboReso, Text7[0], Text7[1], Text8, FwdZoneTxt, RvsZoneTxt,
                        TextFwdLimit, TextRvsLimit, Text5, CmbHomeSel, TxtHomeVel, TxtHomeAcc,
                        Text3, CheckILK, CmdConf, CmdCansel});
}

void FormComEdit::ConnectBoxes() {
  const std::map<QLineEdit*, ComBox> boxes = {
      {TextFwdLimit, ComBox::FwdLimit}, {TextRvsLimit, ComBox::RvsLimit},
      {Text5, ComBox::Stroke},          {FwdZoneTxt, ComBox::FwdZone},
      {RvsZoneTxt, ComBox::RvsZone},    {TxtHomeVel, ComBox::HomeSpeed},
      {Text3, ComBox::HomeCurrent},
  };
  for (const auto& [box, which] : boxes) {
    connect(box, &QLineEdit::textEdited, this,
            [this, which](const QString& text) { core_.SetText(which, text.toStdString()); });
    connect(box, &QLineEdit::returnPressed, this,
            shell::WhenIdle([this, which] { core_.CommitBox(which); }));
    box->setProperty("comBox", static_cast<int>(which));
    box->installEventFilter(this);
  }
}

bool FormComEdit::eventFilter(QObject* watched, QEvent* event) {
  if (editors::LeavingBox(*event)) {
    core_.CommitBox(static_cast<ComBox>(watched->property("comBox").toInt()));
  }
  return platform::ModalDialog::eventFilter(watched, event);
}

void FormComEdit::Form_Load() {
  SetFonts();
  SetCaptions();
  ComboType->addItems(
      {E(EditorTxt::LinearType), E(EditorTxt::RotaryType), E(EditorTxt::AnyType)});
  ComboReso->addItems(DecimalsItems());
  ShowComParam();
  adjustSize();
  platform::CentreOnScreen(*this);
}

void FormComEdit::SetFonts() {
  const QFont ui = shell::QtFont(shell::UiFont);
  const QFont grid = shell::QtFont(shell::GridFont);
  setFont(ui);
  for (QWidget* w : std::initializer_list<QWidget*>{
           ComboType, ComboReso, Text7[0], Text7[1], Text8, TextFwdLimit, TextRvsLimit, Text5,
           CmbHomeSel, TxtHomeVel, TxtHomeAcc, Text3, FwdZoneTxt, RvsZoneTxt}) {
    w->setFont(grid);
  }
  for (QWidget* w : {LblAxNum, LblTypeName}) w->setFont(shell::QtFont(shell::TitleFont));
  for (QWidget* w : {CmdConf, CmdCansel}) w->setFont(shell::QtFont(shell::CommandFont));
}

void FormComEdit::SetCaptions() {
  setWindowTitle(WindowTitle());
  LblAxCap->setText(E(EditorTxt::AxisCaption));
  LblTypeCap->setText(E(EditorTxt::TypeCaption));
  LblType->setText(E(EditorTxt::ActuatorTypeCaption));
  LblReso->setText(E(EditorTxt::DecimalsCaption));
  FrmCoord->setTitle(E(EditorTxt::CoordinateFrame));
  const EditorTxt label22[] = {EditorTxt::Pitch,
                               EditorTxt::Unit,
                               EditorTxt::PerMotorRevolution,
                               EditorTxt::MotorResolution,
                               EditorTxt::PerMotorRevolution,
                               EditorTxt::Acceleration};
  for (int i = 0; i < static_cast<int>(Label22.size()); ++i) Label22[i]->setText(E(label22[i]));
  LblFwdLimit->setText(E(EditorTxt::FwdLimitCaption));
  LblRvsLimit->setText(E(EditorTxt::RvsLimitCaption));
  Label29->setText(E(EditorTxt::StrokeCaption));
  LblHomeSel->setText(E(EditorTxt::HomeModeCaption));
  Frame3->setTitle(E(EditorTxt::HomingFrame));
  Label8->setText(E(EditorTxt::HomeSpeedCaption));
  Label9->setText(E(EditorTxt::HomeAccCaption));
  LblODPW->setText(E(EditorTxt::HomeCurrentCaption));
  Label5->setText(QStringLiteral("%"));
  CheckILK->setText(E(EditorTxt::Interlock));
  Frame10->setTitle(E(EditorTxt::ZoneFrame));
  Label31->setText(E(EditorTxt::FwdZoneCaption));
  Label33->setText(E(EditorTxt::RvsZoneCaption));
  CmdConf->setText(E(EditorTxt::Store));
  CmdCansel->setText(E(EditorTxt::Cancel));
}

void FormComEdit::ShowComParam() {
  const editors::ComEditFields& f = core_.Fields();
  LblAxNum->setText(Q(f.axisNumber));
  LblTypeName->setText(Q(f.typeName));
  {
    const QSignalBlocker blockType(ComboType), blockReso(ComboReso), blockHome(CmbHomeSel);
    ComboType->setCurrentIndex(f.typeIndex);
    ComboReso->setCurrentIndex(f.decimalsIndex);
    QStringList homeItems;
    for (const std::string& item : f.homeItems) homeItems << Q(item);
    QStringList shownItems;
    for (int i = 0; i < CmbHomeSel->count(); ++i) shownItems << CmbHomeSel->itemText(i);
    if (shownItems != homeItems) {
      CmbHomeSel->clear();
      CmbHomeSel->addItems(homeItems);
    }
    CmbHomeSel->setCurrentIndex(f.homeIndex);
  }
  ComboType->setEnabled(f.listsEnabled);
  ComboReso->setEnabled(f.listsEnabled);
  SetText(Text7[0], f.lead);
  SetText(Text7[1], f.unit);
  SetText(Text8, f.resolution);
  SetText(TextFwdLimit, f.fwdLimit);
  SetText(TextRvsLimit, f.rvsLimit);
  SetText(Text5, f.stroke);
  SetTakesTyping(Text5, f.strokeEditable);
  SetText(FwdZoneTxt, f.fwdZone);
  SetText(RvsZoneTxt, f.rvsZone);
  SetText(TxtHomeVel, f.homeSpeed);
  SetText(TxtHomeAcc, f.homeAcc);
  SetText(Text3, f.homeCurrent);
  LblHomeSel->setText(Q(f.homeCaption));
  CmbHomeSel->setEnabled(f.homeListEnabled);
  {
    const QSignalBlocker blockCheck(CheckILK);
    CheckILK->setChecked(f.interlock);
  }
  const QString unit = Q(f.unitLabel);
  for (QLabel* label : {LblUnit4, LblUnit5, LblUnit6, LblUnit7, LblUnit8, LblUnit12}) {
    label->setText(unit);
  }
  LblSpeedUnit->setText(unit.isEmpty() ? QString() : unit + QStringLiteral("/s"));
  LblHAccUnit->setText(Q(f.accUnit));
  LblAccUnit->setText(Q(f.accUnit));
  ShowAll({TextFwdLimit, TextRvsLimit, LblFwdLimit, LblRvsLimit, LblUnit7, LblUnit8},
          f.limitsShown);
  ShowAll({Text5, Label29, LblUnit4}, f.strokeShown);
  ShowAll({LblHomeSel, CmbHomeSel}, f.homeListShown);
  Frame3->setVisible(f.homingShown);
  ShowAll({LblODPW, Text3, Label5}, f.pushShown);
  CheckILK->setVisible(f.interlockShown);
}

void FormComEdit::AxNum(std::int16_t axis) { core_.SetAxNum(axis); }

std::int16_t FormComEdit::AxNum() const { return core_.AxNum(); }

void FormComEdit::ComboType_Click(int index) { core_.ComboType_Click(index); }

void FormComEdit::ComboReso_Click(int index) { core_.ComboReso_Click(index); }

void FormComEdit::CmbHomeSel_Click(int index) { core_.CmbHomeSel_Click(index); }

void FormComEdit::CheckILK_Click() { core_.CheckILK_Click(CheckILK->isChecked()); }

void FormComEdit::CmdConf_Click() { core_.CmdConf_Click(); }

void FormComEdit::CmdCansel_Click() { Forms::Unload(FormId::ComEdit); }

namespace editors {

void RegisterFormComEdit() {
  InstallComEdit();
  Forms::Register(FormId::ComEdit, [] { return new FormComEdit; });
}

}  // namespace editors
