#include "platform/WindowHook.h"

#include <QWidget>

namespace platform {

WindowHook::WindowHook(QWidget* window, std::vector<QWidget*> alsoFrom, Handler handler)
    : QObject(window), handler_(std::move(handler)) {
  alsoFrom.insert(alsoFrom.begin(), window);
  for (QWidget* w : alsoFrom) {
    w->installEventFilter(this);
    watched_.emplace_back(w);
  }
}

WindowHook::~WindowHook() { RemoveFilters(); }

void WindowHook::Release() {
  RemoveFilters();
  deleteLater();
}

void WindowHook::RemoveFilters() {
  for (const QPointer<QWidget>& w : watched_) {
    if (w) w->removeEventFilter(this);
  }
  watched_.clear();
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event) { return handler_(watched, event); }

}  // namespace platform
