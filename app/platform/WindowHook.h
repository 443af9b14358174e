#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// Stands in for replacing a window's procedure: an event filter over one window, and optionally
// some of its child widgets, that hands every event they receive to a handler before their own
// handling. The handler's true takes the event; false lets it go on as before the hook. The
// window owns the hook as well, so a hook whose window goes first goes with it.
class WindowHook : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<bool(QObject* watched, QEvent* event)>;

  WindowHook(QWidget* window, std::vector<QWidget*> alsoFrom, Handler handler);
  // Removes the filter: the window's events go to its own handling alone again.
  ~WindowHook() override;

  // Removes the filter now and frees the hook once the event in hand is through, so a handler
  // may release its own hook.
  void Release();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RemoveFilters();

  std::vector<QPointer<QWidget>> watched_;
  Handler handler_;
};

}  // namespace platform
