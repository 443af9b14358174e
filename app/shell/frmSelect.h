#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <string>

// A message with up to three choice buttons and Cancel. A choice sets Selection to its index and
// closes the dialog; Cancel (or Esc) closes it and leaves Selection as it was, so an owner that
// sets Selection to -1 first tells a cancel from a choice. The closed dialog keeps its values:
// its owner reads Selection afterwards and frees it.
class frmSelect : public QDialog {
  Q_OBJECT

 public:
  explicit frmSelect(QWidget* parent = nullptr);

  std::string CapMsg() const { return Get(LblMsg->text()); }
  void SetCapMsg(const std::string& text) { LblMsg->setText(Put(text)); }
  std::string CapSelect0() const { return Get(CmdSelect0->text()); }
  std::string CapSelect1() const { return Get(CmdSelect1->text()); }
  std::string CapSelect2() const { return Get(CmdSelect2->text()); }
  void SetCapSelect0(const std::string& text) { CmdSelect0->setText(Put(text)); }
  void SetCapSelect1(const std::string& text) { CmdSelect1->setText(Put(text)); }
  void SetCapSelect2(const std::string& text) { CmdSelect2->setText(Put(text)); }
  // Visible unless hidden: the dialog itself need not be on screen.
  bool VisibleSelect0() const { return !CmdSelect0->isHidden(); }
  bool VisibleSelect1() const { return !CmdSelect1->isHidden(); }
  bool VisibleSelect2() const { return !CmdSelect2->isHidden(); }
  void SetVisibleSelect0(bool visible) { CmdSelect0->setVisible(visible); }
  void SetVisibleSelect1(bool visible) { CmdSelect1->setVisible(visible); }
  void SetVisibleSelect2(bool visible) { CmdSelect2->setVisible(visible); }
  std::int16_t Selection() const { return selection_; }
  void SetSelection(std::int16_t index) { selection_ = index; }

  void CmdSelect_Click(int Index);
  void CmdCancel_Click();

  QLabel* LblMsg;
  QPushButton* CmdSelect0;
  QPushButton* CmdSelect1;
  QPushButton* CmdSelect2;
  QPushButton* CmdCancel;

 private:
  static std::string Get(const QString& text) { return text.toStdString(); }
  static QString Put(const std::string& text) { return QString::fromStdString(text); }

  std::int16_t selection_ = 0;
};
