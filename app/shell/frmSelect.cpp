#include "shell/frmSelect.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/QtFonts.h"
#include "shell/QtText.h"

using resources::Txt;

frmSelect::frmSelect(QWidget* parent)
    : QDialog(parent),
      LblMsg(new QLabel(this)),
      CmdSelect0(new QPushButton(this)),
      CmdSelect1(new QPushButton(this)),
      CmdSelect2(new QPushButton(this)),
      CmdCancel(new QPushButton(shell::Q(Txt::CancelButton), this)) {
  setWindowTitle(QStringLiteral("Select"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  LblMsg->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  int index = 0;
  for (QPushButton* choice : {CmdSelect0, CmdSelect1, CmdSelect2}) {
    buttons->addWidget(choice);
    connect(choice, &QPushButton::clicked, this, [this, index] { CmdSelect_Click(index); });
    ++index;
  }
  buttons->addWidget(CmdCancel);
  connect(CmdCancel, &QPushButton::clicked, this, &frmSelect::CmdCancel_Click);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LblMsg);
  layout->addLayout(buttons);
  const QFont font = shell::UiNamedFont();
  for (QWidget* w : std::initializer_list<QWidget*>{LblMsg, CmdSelect0, CmdSelect1, CmdSelect2,
                                                    CmdCancel}) {
    w->setFont(font);
  }
}

void frmSelect::CmdSelect_Click(int Index) {
  selection_ = static_cast<std::int16_t>(Index);
  accept();
}

void frmSelect::CmdCancel_Click() { reject(); }
