#include "editors/ModuleGrid.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>

#include "axisdata/AxisData.h"
#include "axisdata/ConversionError.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/Notation.h"
#include "axisdata/NumberText.h"
#include "axisdata/TextRoutines.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"
#include "resources/UiText.h"

namespace editors {

namespace {

using axisdata::ValueType;

enum HeaderUnit { kFixed = 0, kLength = 1, kLengthPerSecond = 2, kAcceleration = 3 };

// Columns 1-13 of the grid.
constexpr std::array<KavColumn, 13> kColumns{{
    {1360, "PCMD [count]", "PCMD [", kLength, axisdata::kPCMD, 1, 1, 123},
    {680, "FLGP", "FLGP", kFixed, axisdata::kFLGP, 0, 4, 124},
    {1300, "INP [count]", "INP [", kLength, axisdata::kINP, 1, 1, 125},
    {1000, "VCMD [0.2r/min]", "VCMD [", kLengthPerSecond, axisdata::kVCMD, 2, 2, 126},
    {1360, "ACMD [0.1r/min/ms]", "ACMD [", kAcceleration, axisdata::kACMD, 3, 3, 127},
    {700, "SPOW", "SPOW", kFixed, axisdata::kSPOW, 0, 4, 128},
    {700, "DPOW", "DPOW", kFixed, axisdata::kDPOW, 0, 4, 129},
    {680, "PLG0", "PLG0", kFixed, axisdata::kPLG0, 0, 4, 130},
    {680, "MXAC", "MXAC", kFixed, axisdata::kMXAC, 0, 4, 131},
    {680, "SMOD", "SMOD", kFixed, axisdata::kSMOD, 0, 4, 132},
    {1000, "STIM [0.01sec]", "STIM [sec]", kFixed, axisdata::kSTIM, 7, 7, 133},
    {1000, "PSTW [0.01sec]", "PSTW [sec]", kFixed, axisdata::kPSTW, 7, 7, 134},
    {1000, "PVLM [3.2r/min]", "PVLM [", kLengthPerSecond, axisdata::kPVLM, 8, 8, 135},
}};
constexpr int kFirstValueColumn = 1;
constexpr int kLastValueColumn = 13;
constexpr int kMarkerTwips = 1;
constexpr int kPositionColumn = 1;  // on pages of 1 and above: the extended point's position
constexpr int kSpeedColumn = 4;     // and its speed

// A cell text in a copy text cannot hold the separator; a decimal comma travels as this.
constexpr char kCommaInCell = '\t';

std::size_t CellIndex(int row, int col) {
  return static_cast<std::size_t>(row) * kKavGridCols + static_cast<std::size_t>(col);
}

bool IsExtPointCell(int col, std::int16_t page) {
  return page >= 1 && (col == kPositionColumn || col == kSpeedColumn);
}

// The word a value cell of point `point` maps to on `page`.
std::int32_t& CellWord(int col, std::int16_t axis, std::int16_t page, int point) {
  const KavColumn& column = KavColumnAt(col);
  if (IsExtPointCell(col, page)) {
    const std::int16_t i = axisdata::ExtPointIndex(page, axis, static_cast<std::int16_t>(point));
    return axisdata::ExtPointData[i + (col == kSpeedColumn ? 1 : 0)];
  }
  return axisdata::PointValue(axisdata::AxisData[axis], point)[column.field];
}

// An edit's bookkeeping: the data now differ from the files and from the gateway.
void MarkChanged(int col, std::int16_t axis, std::int16_t page) {
  if (IsExtPointCell(col, page)) {
    axisdata::XepUnsaved = axisdata::XepUnsent = true;
  } else {
    axisdata::AxisUnsaved[axis] = axisdata::AxisUnsent[axis] = true;
  }
}

// Columns in the order the grid is filled and stored: 1 and 4 first, then the others.
constexpr std::array<int, 13> kColumnOrder{1, 4, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13};

void TellRefused(const platform::CellGrid& grid, const std::vector<RefusedCell>& refused) {
  using resources::Text;
  std::string text = Text(resources::Msg::GridRefused);
  for (const RefusedCell& cell : refused) {
    text += "\n" + Text(resources::Txt::Point) + " " + axisdata::HexText(cell.row - 1) + ", " +
            grid.CellText(0, cell.col) + ": \"" + platform::MessageExcerpt(cell.text) + "\"";
  }
  platform::Warn(text);
}

}  // namespace

const KavColumn& KavColumnAt(int col) {
  assert(col >= kFirstValueColumn && col <= kLastValueColumn);
  return kColumns[col - kFirstValueColumn];
}

int KavColumnWidthTwips(int col) {
  if (col == 0) return kPointColumnTwips;
  if (col == kMarkerColumn) return kMarkerTwips;
  return KavColumnAt(col).widthTwips;
}

void SetKavGridTexts(platform::CellGrid& grid, const std::string& lengthUnit,
                     const std::string& accUnit) {
  grid.SetCellText(0, 0, resources::Text(resources::Txt::Point));
  for (int row = 1; row < kKavGridRows; ++row) grid.SetCellText(row, 0, axisdata::HexText(row - 1));
  SetKavGridHeaders(grid, lengthUnit, accUnit);
}

void SetKavGridHeaders(platform::CellGrid& grid, const std::string& lengthUnit,
                       const std::string& accUnit) {
  const bool units = axisdata::DispMode != axisdata::kHexadecimal &&
                     axisdata::DispMode != axisdata::kDecimal;
  for (int col = kFirstValueColumn; col <= kLastValueColumn; ++col) {
    const KavColumn& column = KavColumnAt(col);
    std::string header = column.header;
    if (units) {
      header = column.unitHeader;
      if (column.unit == kLength) header += lengthUnit + "]";
      if (column.unit == kLengthPerSecond) header += lengthUnit + "/sec]";
      if (column.unit == kAcceleration) header += accUnit + "]";
    }
    grid.SetCellText(0, col, header);
  }
  grid.SetCellText(0, kMarkerColumn,
                   units ? "u" : axisdata::DispMode == axisdata::kHexadecimal ? "h" : "d");
}

void FillKavGrid(platform::CellGrid& grid, KavCellTexts& filled, std::int16_t axis,
                 std::int16_t page) {
  for (int point = 0; point < axisdata::kBasePoints; ++point) {
    for (const int col : kColumnOrder) {
      const std::int32_t word = CellWord(col, axis, page, point);
      const std::string text = axisdata::FormatValue(KavColumnAt(col).fillType, word);
      grid.SetCellText(point + 1, col, text);
      filled.Wrote(CellIndex(point + 1, col), text, word);
    }
  }
}

std::vector<RefusedCell> StoreKavGrid(platform::CellGrid& grid, KavCellTexts& filled,
                                      std::int16_t axis, std::int16_t page) {
  std::vector<RefusedCell> refused;
  for (int point = 0; point < axisdata::kBasePoints; ++point) {
    for (const int col : kColumnOrder) {
      const std::size_t cell = CellIndex(point + 1, col);
      const std::string text = grid.CellText(point + 1, col);
      if (filled.ValueOf(cell, text)) continue;  // the word it stands for is still there
      const KavColumn& column = KavColumnAt(col);
      std::int32_t& word = CellWord(col, axis, page, point);
      try {
        const std::int32_t typed = axisdata::ParseValue(column.storeType, text);
        if (typed != word) MarkChanged(col, axis, page);
        word = typed;
        filled.Wrote(cell, text, word);
      } catch (const axisdata::ConversionError&) {
        refused.push_back({point + 1, col, text});
        const std::string shown = axisdata::FormatValue(column.fillType, word);
        grid.SetCellText(point + 1, col, shown);
        filled.Wrote(cell, shown, word);
      }
    }
  }
  if (!refused.empty()) TellRefused(grid, refused);
  return refused;
}

std::string GetKavColumnTip(std::int16_t col) {
  if (col < kFirstValueColumn || col > kLastValueColumn) return "";
  const int tip = KavColumnAt(col).tipId;
  return resources::TipText[tip - resources::kFirstTipId];
}

std::int16_t GetColumnKind(std::int16_t col) { return col; }

bool IsMouseInSelection(const GridCursor& c) {
  const int top = std::min(c.row, c.rowSel), bottom = std::max(c.row, c.rowSel);
  const int left = std::min(c.col, c.colSel), right = std::max(c.col, c.colSel);
  const bool inside = c.mouseRow >= top && c.mouseRow <= bottom && c.mouseCol >= left &&
                      c.mouseCol <= right;
  return inside && (top != bottom || left != right);
}

std::string CopyGridSelection(std::int16_t kind, const platform::CellGrid& grid,
                              const GridCursor& c) {
  const int firstRow = std::min(c.row, c.rowSel), rows = std::abs(c.row - c.rowSel) + 1;
  const int firstCol = std::min(c.col, c.colSel), cols = std::abs(c.col - c.colSel) + 1;
  std::string text = std::to_string(kind) + "," + std::to_string(firstRow) + ", " +
                     std::to_string(firstCol) + "," + std::to_string(rows) + ", " +
                     std::to_string(cols) + ",";
  for (int row = firstRow; row < firstRow + rows; ++row) {
    for (int col = firstCol; col < firstCol + cols; ++col) {
      std::string cell = grid.CellText(row, col);
      std::replace(cell.begin(), cell.end(), ',', kCommaInCell);
      text += cell + ",";
    }
  }
  return text;
}

PasteResult PasteGridText(const std::string& text, std::int16_t, platform::CellGrid& grid,
                          const GridCursor& c) {
  if (text.empty()) return PasteResult::NothingToPaste;
  std::size_t pos = 0;
  // The text up to the next "," (the rest when there is none); the position moves behind it.
  const auto next = [&text, &pos]() {
    const std::size_t comma = text.find(',', pos);
    std::string field = text.substr(pos, comma == std::string::npos ? std::string::npos
                                                                    : comma - pos);
    if (comma != std::string::npos) pos = comma + 1;
    return field;
  };
  std::array<int, 5> header{};  // kind, first row, first column, rows, columns
  for (int& number : header) {
    const std::string field = next();
    const std::string_view digits = axisdata::TrimBlanks(field);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) {
      return PasteResult::NothingToPaste;  // not a copy text of this program
    }
  }
  const int firstCol = header[2];
  int rows = header[3], cols = header[4];
  if (rows < 1 || cols < 1 || c.row < 1 || c.col < 1) return PasteResult::NothingToPaste;
  for (int i = 0; i < cols; ++i) {
    if (GetColumnKind(static_cast<std::int16_t>(firstCol + i)) !=
        GetColumnKind(static_cast<std::int16_t>(c.col + i))) {
      return PasteResult::ColumnsMismatch;
    }
  }
  cols = std::min(cols, grid.Cols() - c.col);
  rows = std::min(rows, grid.Rows() - c.row);
  for (int row = c.row; row < c.row + rows; ++row) {
    for (int col = c.col; col < c.col + cols; ++col) {
      std::string cell = next();
      std::replace(cell.begin(), cell.end(), kCommaInCell, ',');
      grid.SetCellText(row, col, cell);
    }
  }
  return PasteResult::Pasted;
}

}  // namespace editors
