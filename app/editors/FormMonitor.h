#pragma once
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "editors/MonitorPolling.h"
#include "shell/Forms.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The run-status monitor: the live state of the chosen axis (status lamps, alarm code and
// address, position, point numbers, alarm history), the positioning-complete and alarm lamps of
// all axes, and the state of the gateway's two links. A 10 ms timer polls the gateway one word
// per tick; the polling lives in MonitorPolling, the window only paints. While the gateway does
// not answer, the lamps and values keep their last readings in grey.
//
// Exit, and closing the window from its frame, end the whole program.
class FormMonitor : public QWidget, public LoadableForm, public editors::MonitorView {
  Q_OBJECT

 public:
  // reader: where the words come from, the link library's word read when none is given; line:
  // the serial line under it, the link the start wizard opened when none is given.
  explicit FormMonitor(std::unique_ptr<editors::WordReader> reader = nullptr,
                       std::unique_ptr<editors::SerialLine> line = nullptr,
                       QWidget* parent = nullptr);
  ~FormMonitor() override;

  QWidget* Widget() override { return this; }
  void Form_Load() override;
  void Form_Unload() override;

  void Timer1_Timer();
  void ComboAxis_Click();
  void BitLED_MouseMove(int Index);
  void FrameStat_MouseMove();
  void CmdExit_Click();

  // The view the polling paints.
  void ShowStale() override;
  void TellLineLost() override;
  void ShowFieldbus(bool online) override;
  void ShowSerial(bool online) override;
  void ShowBitLamps(int first, std::uint8_t byte) override;
  void ShowAlarmCode(const std::string& text, editors::Shade shade) override;
  void ShowAlarmAddress(const std::string& text) override;
  void ShowPointNumber(const std::string& text) override;
  void ShowPosition(const std::string& text) override;
  void ShowUnifiedPointNumber(const std::string& text) override;
  void ShowGroupPFIN(std::uint32_t word) override;
  void ShowGroupAlarm(std::uint32_t word) override;
  void ShowHistory(int index, const std::string& text, editors::Shade shade) override;
  void ShowUnit(const std::string& unit) override;

  const editors::MonitorPolling& Polling() const { return polling_; }

  QTimer* Timer1;
  QGroupBox* FrameAx;
  QComboBox* ComboAxis;
  QGroupBox* FrameStat;
  std::array<QGroupBox*, 4> FrameBit;
  std::array<QLabel*, 4> Label23;
  std::array<QLabel*, editors::kBitLamps> BitLED;
  QLineEdit* BitText;
  QGroupBox* FrmAlm;
  QLabel* LblAlm0;
  QLabel* LblAlmAdr;
  QLabel* LblPosCap;
  QLabel* LblAbs1;
  QLabel* LblUnit;
  QLabel* LblPtNoCap;
  QLabel* LblPtNo;
  QLabel* LblInstPnoCap;
  QLabel* LblInstPno;
  QLabel* LblAlmHysCap;
  std::array<QLabel*, 8> LblHysID;
  std::array<QLabel*, 8> LblAlmHys;
  QGroupBox* FrmGrPFIN;
  std::array<QLabel*, editors::kGroupLamps> LblGrPFIN;
  QGroupBox* FrmGrAlm;
  std::array<QLabel*, editors::kGroupLamps> LblGrAlm;
  QLabel* LblNetworkCap;
  QLabel* LblNetwork;
  QLabel* LblSIOCap;
  QLabel* LblSIO;
  QPushButton* CmdExit;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void SetFonts();
  void ShowLossMessage();

  std::unique_ptr<editors::WordReader> reader_;
  std::unique_ptr<editors::SerialLine> line_;
  editors::MonitorPolling polling_;
  std::vector<QLabel*> readings_;  // the lamps and values that show the gateway's words
  bool lossMessageDue_ = false;    // the lost-line message is up or about to be
};
