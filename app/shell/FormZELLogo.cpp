#include "shell/FormZELLogo.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "shell/FormComSel.h"

FormZELLogo::FormZELLogo(QWidget* parent) : QWidget(parent), CmdOK(new QPushButton(this)) {
  setWindowTitle(QStringLiteral("Vesion0"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  CmdOK->setText(QStringLiteral("OK"));
  connect(&Timer1, &QTimer::timeout, this, &FormZELLogo::Timer1_Timer);
  connect(CmdOK, &QPushButton::clicked, this, &FormZELLogo::CmdOK_Click);
}

void FormZELLogo::Form_Load() {
  setFixedSize(512, 364);
  CmdOK->setGeometry(296, 208, 100, 28);
  CmdOK->hide();
  Timer1.setInterval(2000);
  Timer1.setSingleShot(false);
  Timer1.start();
}

void FormZELLogo::ShowAbout() {
  CmdOK->show();
  show();
  raise();
}

void FormZELLogo::Timer1_Timer() {
  Timer1.stop();
  hide();
  Forms::Get<FormComSel>(FormId::ComSel).show();
}

void FormZELLogo::CmdOK_Click() { hide(); }

void FormZELLogo::closeEvent(QCloseEvent* event) {
  // Only OK closes the about window; the splash goes by its timer.
  event->ignore();
}

void FormZELLogo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0.0, QColor(18, 52, 96));
  sky.setColorAt(1.0, QColor(6, 18, 36));
  p.fillRect(rect(), sky);

  // A row of actuator rods on a rail: the product's subject, drawn rather than shipped as a file.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(160, 170, 185));
  p.drawRoundedRect(40, 276, 432, 14, 4, 4);
  for (int i = 0; i < 8; ++i) {
    const int x = 52 + i * 52;
    const int rod = 20 + (i * 37) % 50;
    p.setBrush(QColor(90, 150, 220));
    p.drawRoundedRect(x, 206, 36, 70, 5, 5);
    p.setBrush(QColor(220, 225, 232));
    p.drawRect(x + 14, 206 - rod, 8, rod);
  }

  p.setPen(QColor(235, 240, 248));
  QFont title = font();
  title.setPointSize(40);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(0, 36, width(), 70), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("VUZOvid"));
  QFont sub = font();
  sub.setPointSize(12);
  p.setFont(sub);
  p.drawText(QRect(0, 104, width(), 28), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Gateway and actuator configuration tool"));
  p.drawText(QRect(0, 326, width() - 16, 24), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Version %1").arg(QStringLiteral(VUZ_VERSION)));
}
