#include "shell/frmSetupDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "platform/ScreenCentre.h"
#include "shell/BusyGuard.h"
#include "shell/ModuleMain.h"
#include "shell/QtFonts.h"
#include "shell/QtText.h"
#include "shell/SyncImage.h"

using resources::Txt;
using shell::PrgData;
using shell::Q;

namespace {

constexpr int kAxes = 16;
constexpr int kAxesPerRow = 8;

}  // namespace

frmSetupDlg::frmSetupDlg(QWidget* parent)
    : QDialog(parent),
      FrameScanList(new QGroupBox(this)),
      CkPresetMode(new QCheckBox(this)),
      FrameBackup(new QGroupBox(QStringLiteral("Position No. Backup"), this)),
      chkBackup(new QCheckBox(FrameBackup)),
      OptionPoff(new QRadioButton(FrameBackup)),
      OptionPfin(new QRadioButton(FrameBackup)),
      CmdClear(new QPushButton(this)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)),
      CmdCancel(new QPushButton(this)) {
  setWindowTitle(QStringLiteral("Setup"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* axes = new QGridLayout(FrameScanList);
  for (int i = 0; i < kAxes; ++i) {
    CheckAxis[i] = new QCheckBox(QString::fromStdString(shell::AxisCaption(i)), FrameScanList);
    axes->addWidget(CheckAxis[i], i / kAxesPerRow, i % kAxesPerRow);
  }

  // Exclusive by their handlers, so that code can turn both off.
  OptionPoff->setAutoExclusive(false);
  OptionPfin->setAutoExclusive(false);
  auto* backup = new QVBoxLayout(FrameBackup);
  backup->addWidget(chkBackup);
  for (QRadioButton* option : {OptionPoff, OptionPfin}) {
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(option);
    backup->addLayout(indented);
  }

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CmdClear);
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CmdCancel);
  OKButton->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FrameScanList);
  layout->addWidget(CkPresetMode);
  layout->addWidget(FrameBackup);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // clicked, not toggled: filling the controls at load runs no handler.
  connect(chkBackup, &QCheckBox::clicked, this, &frmSetupDlg::chkBackup_Click);
  connect(OptionPoff, &QRadioButton::clicked, this, &frmSetupDlg::OptionPoff_Click);
  connect(OptionPfin, &QRadioButton::clicked, this, &frmSetupDlg::OptionPfin_Click);
  // The image must not change under a running transfer.
  connect(CmdClear, &QPushButton::clicked, this, shell::WhenIdle([this] { CmdClear_Click(); }));
  connect(OKButton, &QPushButton::clicked, this, shell::WhenIdle([this] { OKButton_Click(); }));
  connect(CmdCancel, &QPushButton::clicked, this, shell::WhenIdle([this] { CmdCancel_Click(); }));
}

void frmSetupDlg::Form_Load() {
  setFont(shell::QtFont(shell::GridFont));
  FrameScanList->setTitle(Q(Txt::AxesScanList));
  CkPresetMode->setText(Q(Txt::PresetMode));
  chkBackup->setText(Q(Txt::EnableBackup));
  OptionPoff->setText(Q(Txt::BackupOnPowerOff));
  OptionPfin->setText(Q(Txt::BackupOnPosFinish));
  CmdClear->setText(Q(Txt::AllClear));
  CmdCancel->setText(Q(Txt::CancelButton));
  ShowImageWords();
  platform::CentreOnScreen(*this);
}

void frmSetupDlg::ShowImageWords() {
  const std::int32_t mask = PrgData[shell::kScanListMaskWord];
  for (int i = 0; i < kAxes; ++i) CheckAxis[i]->setChecked(shell::AxisBitSet(mask, i));
  CkPresetMode->setChecked(PrgData[shell::kPresetModeWord] != 0);
  const bool powerOff = PrgData[shell::kBackupOnPowerOffWord] != 0;
  const bool posFinish = PrgData[shell::kBackupOnPosFinishWord] != 0;
  chkBackup->setChecked(powerOff || posFinish);
  // Set in this order, as exclusive options, the later one holds when both words are set.
  SetOptions(powerOff && !posFinish, posFinish, powerOff || posFinish);
}

void frmSetupDlg::SetOptions(bool powerOff, bool posFinish, bool enabled) {
  OptionPoff->setChecked(powerOff);
  OptionPfin->setChecked(posFinish);
  OptionPoff->setEnabled(enabled);
  OptionPfin->setEnabled(enabled);
}

void frmSetupDlg::chkBackup_Click() {
  const bool on = chkBackup->isChecked();
  SetOptions(on, false, on);
}

void frmSetupDlg::OptionPoff_Click() { SetOptions(true, false, true); }

void frmSetupDlg::OptionPfin_Click() { SetOptions(false, true, true); }

void frmSetupDlg::CmdClear_Click() {
  for (QCheckBox* box : CheckAxis) box->setChecked(false);
  CkPresetMode->setChecked(false);
  chkBackup->setChecked(false);
  SetOptions(false, false, false);
}

void frmSetupDlg::OKButton_Click() {
  std::int32_t mask = 0;
  for (int i = 0; i < kAxes; ++i) {
    if (CheckAxis[i]->isChecked()) mask = shell::WithAxisBit(mask, i);
  }
  const std::pair<int, std::int32_t> words[] = {
      {shell::kScanListMaskWord, mask},
      {shell::kPresetModeWord, CkPresetMode->isChecked() ? 1 : 0},
      {shell::kBackupOnPowerOffWord, OptionPoff->isChecked() ? 1 : 0},
      {shell::kBackupOnPosFinishWord, !OptionPoff->isChecked() && OptionPfin->isChecked() ? 1 : 0},
  };
  // Save writes these words, so a change is offered for saving like any other.
  for (const auto& [index, value] : words) {
    if (PrgData[index] != value) shell::DataModified = true;
    PrgData[index] = value;
  }
  Forms::Unload(FormId::SetupDlg);
}

void frmSetupDlg::CmdCancel_Click() { Forms::Unload(FormId::SetupDlg); }

void frmSetupDlg::reject() { CmdCancel_Click(); }
