#pragma once
#include <string>
#include <vector>

#include "platform/CellGrid.h"

namespace platform {

// A grid of texts without a window: for the data routines outside the windows, and for tests.
class TableGrid : public platform::CellGrid {
 public:
  TableGrid(int rows, int cols) : cells_(rows, std::vector<std::string>(cols)) {}
  int Rows() const override { return static_cast<int>(cells_.size()); }
  int Cols() const override { return static_cast<int>(cells_[0].size()); }
  std::string CellText(int row, int col) const override { return cells_[row][col]; }
  void SetCellText(int row, int col, const std::string& text) override { cells_[row][col] = text; }

 private:
  std::vector<std::vector<std::string>> cells_;
};

}  // namespace platform
