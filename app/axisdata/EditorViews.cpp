#include "axisdata/EditorViews.h"

namespace axisdata {

namespace {
ComParamView* g_comParam = nullptr;
KavGridView* g_kavGrid = nullptr;
}  // namespace

void RegisterComParamView(ComParamView* view) { g_comParam = view; }
void RegisterKavGridView(KavGridView* view) { g_kavGrid = view; }

void ReadComParam(std::int16_t axis) {
  if (g_comParam) g_comParam->ReadComParam(axis);
}

void FillKavGrid(std::int16_t axis, std::int16_t page) {
  if (g_kavGrid) g_kavGrid->FillKavGrid(axis, page);
}

void ResetGridCursor() {
  if (g_kavGrid) g_kavGrid->ResetGridCursor();
}

}  // namespace axisdata
