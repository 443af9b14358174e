#pragma once
#include <string>

namespace platform {

// The cell texts of a grid with a header row 0 and a header column 0, as the data routines see
// it; the windows' grids implement it, tests use a plain table.
class CellGrid {
 public:
  virtual ~CellGrid() = default;
  virtual int Rows() const = 0;
  virtual int Cols() const = 0;
  virtual std::string CellText(int row, int col) const = 0;
  virtual void SetCellText(int row, int col, const std::string& text) = 0;
};

}  // namespace platform
