#pragma once
#include <cstdint>

// The editor windows that axis-data code refreshes after it changed the data. The editors
// implement these and register them at start-up; with nothing registered the calls do nothing,
// so the data, files and transfers work (and are tested) without windows.
namespace axisdata {

// The common-parameter editor (FormComEdit).
class ComParamView {
 public:
  virtual ~ComParamView() = default;
  // Shows the axis's common block and sets the unit state for that axis.
  virtual void ReadComParam(std::int16_t axis) = 0;
};

// The point-table editor (FormKAV) and its grid.
class KavGridView {
 public:
  virtual ~KavGridView() = default;
  // Writes the grid's cells from the data of the axis and page.
  virtual void FillKavGrid(std::int16_t axis, std::int16_t page) = 0;
  // Puts the grid's cursor on its first cell and that cell's text into the entry box.
  virtual void ResetGridCursor() = 0;
};

// Register a window (nullptr removes it). The object must outlive its registration.
void RegisterComParamView(ComParamView* view);
void RegisterKavGridView(KavGridView* view);

// The calls into the registered windows.
void ReadComParam(std::int16_t axis);
void FillKavGrid(std::int16_t axis, std::int16_t page);
void ResetGridCursor();

}  // namespace axisdata
