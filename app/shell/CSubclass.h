#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "platform/WindowHook.h"
#include "shell/basSubclass.h"

// A record that hooks one window and raises every event the window receives as the message
// WindowMessage (platform::MessageOf gives the arguments). basSubclass::Subclass installs the
// hook; the record is hooked while ProcOrg is set and puts its window back when it is released.
class CSubclass : public QObject {
  Q_OBJECT

 public:
  CSubclass() = default;
  ~CSubclass() override;

  // The hooked window.
  QWidget* hwnd() const { return hwnd_; }
  void SetHwnd(QWidget* window) { hwnd_ = window; }

  // The hook in front of the window's own handling; null when not hooked (also once the window
  // is gone, which takes its hooks with it).
  platform::WindowHook* ProcOrg() const { return procOrg_; }
  void SetProcOrg(platform::WindowHook* hook) { procOrg_ = hook; }

  // Whether each message also goes on to the window's own handling; true when created. When
  // false the hook takes the window's events, all but its deletion.
  void SetCallDefaultProc(bool call) { callDefaultProc_ = call; }

 signals:
  void WindowMessage(std::int32_t message, std::int32_t wParam, std::int32_t lParam);

 private:
  friend bool basSubclass::Subclass(CSubclass& record);

  // Raises WindowMessage; the result is 1 when the message goes on to the window's own handling
  // afterwards, 0 when the hook keeps it.
  std::int32_t WindowProc(std::int32_t message, std::int32_t wParam, std::int32_t lParam);

  QPointer<QWidget> hwnd_;
  QPointer<platform::WindowHook> procOrg_;
  bool callDefaultProc_ = true;
};
