#include "shell/basSubclass.h"

#include <QEvent>
#include <algorithm>
#include <vector>

#include "platform/WindowMessage.h"
#include "shell/CSubclass.h"

namespace basSubclass {

namespace {

std::vector<CSubclass*>& SubclassList() {
  static std::vector<CSubclass*> list;
  return list;
}

}  // namespace

bool Subclass(CSubclass& record) {
  QWidget* window = record.hwnd();
  if (!window) return false;
  if (record.ProcOrg()) return true;
  // The hook may outlive a record whose ProcOrg was cleared by hand; then it only passes events on.
  QPointer<CSubclass> target(&record);
  record.SetProcOrg(new platform::WindowHook(window, {}, [target](QObject*, QEvent* event) {
    if (!target) return false;
    const platform::WindowMessageArgs m = platform::MessageOf(*event);
    const bool passedOn = target->WindowProc(m.message, m.wParam, m.lParam) != 0;
    // A window kept from its own handling can still be freed.
    return !passedOn && event->type() != QEvent::DeferredDelete;
  }));
  if (!IsListed(record)) SubclassList().push_back(&record);
  return true;
}

void UnSubclass(CSubclass& record) {
  const QWidget* window = record.hwnd();
  for (CSubclass* r : SubclassList()) {
    if (r->hwnd() != window || !r->ProcOrg()) continue;
    r->ProcOrg()->Release();
    r->SetProcOrg(nullptr);
  }
}

bool IsListed(const CSubclass& record) {
  const auto& list = SubclassList();
  return std::find(list.begin(), list.end(), &record) != list.end();
}

void Unlist(CSubclass& record) { std::erase(SubclassList(), &record); }

}  // namespace basSubclass
