#pragma once
#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// Turns wheel events of a window into the arguments of a wheel message (key state, rotation in
// 1/120 notches with positive away from the user, screen x and y) and hands them to a handler.
// The events over the given scroll areas are taken, so they do not also scroll natively.
class WheelHook : public QObject {
 public:
  using Handler = std::function<void(std::int32_t keyState, std::int32_t rotation,
                                     std::int32_t x, std::int32_t y)>;

  WheelHook(QWidget* window, std::vector<QWidget*> takenIn, Handler handler);
  ~WheelHook() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::vector<QWidget*> takenIn_;
  Handler handler_;
};

}  // namespace platform
