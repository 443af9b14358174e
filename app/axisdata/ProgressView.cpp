#include "axisdata/ProgressView.h"

namespace axisdata {

namespace {

class NoProgress : public ProgressView {
 public:
  void Begin(const std::string&, int, bool) override {}
  void SetCaption(const std::string&) override {}
  void SetValue(int) override {}
  void SetCancellable(bool) override {}
  void End() override {}
};

NoProgress g_none;
ProgressView* g_view = nullptr;

}  // namespace

void RegisterProgressView(ProgressView* view) { g_view = view; }

ProgressView& Progress() { return g_view != nullptr ? *g_view : g_none; }

}  // namespace axisdata
