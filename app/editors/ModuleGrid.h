#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editors/WrittenTexts.h"
#include "platform/CellGrid.h"

// The point-table grid: 16 points of one axis and page, a row per point and a column per field
// of the point record, and its copy and paste. Qt-free: it works on the grid's texts and on the
// cursor the window reads off its grid control.
namespace editors {

inline constexpr int kKavGridRows = 17;    // header row and points 0-15
inline constexpr int kKavGridCols = 15;    // header column, 13 fields, the notation marker
inline constexpr int kMarkerColumn = 14;   // its header letter tells the cells' notation
inline constexpr int kKavCopyKind = 2;     // the point grid's kind in a copy text
inline constexpr int kPointColumnTwips = 800;
inline constexpr int kHeaderRowTwips = 520;

// One value column of the grid.
struct KavColumn {
  int widthTwips;
  const char* header;      // notations 0 and 1
  const char* unitHeader;  // notation 2: unitHeader & unit & "]" (a plain header has no "[")
  int unit;                // which unit notation 2 shows: 0 none, 1 length, 2 length/sec, 3 acc
  int field;               // k of the point record
  int fillType;            // value types of FormatValue / ParseValue
  int storeType;
  int tipId;               // string-table id of the tool tip
};

// Columns 1-13; column 14 is the marker, 1 twip wide.
const KavColumn& KavColumnAt(int col);
int KavColumnWidthTwips(int col);

// The current cell and the far corner of the selection, and the cell under the mouse, as the
// window's grid reports them (rows and columns counted with the headers; 0 for a header).
struct GridCursor {
  int row = 0, col = 0;
  int rowSel = 0, colSel = 0;
  int mouseRow = 0, mouseCol = 0;
};

// The fixed texts: the corner's "Point" and the point numbers "0" to "F", then the headers.
void SetKavGridTexts(platform::CellGrid& grid, const std::string& lengthUnit,
                     const std::string& accUnit);

// The header texts of columns 1-14 for the current notation. Notation 2 names the units of the
// shown axis: lengthUnit "mm", "deg" ..., accUnit "G" or "r/min/ms".
void SetKavGridHeaders(platform::CellGrid& grid, const std::string& lengthUnit,
                       const std::string& accUnit);

// The value cells' texts as the grid's last fill wrote them (or its last store took them), each
// standing for its word. A store reads back only the cells whose text differs: a value the grid
// shows rounded (in user units, or wider than its column) is never replaced by its rounding.
using KavCellTexts = WrittenTexts<kKavGridRows * kKavGridCols>;

// The 16 x 13 value cells from the data of the axis and page (pages of 1 and above show the
// extended point's position and speed, the base point's other fields), recorded in `filled`.
void FillKavGrid(platform::CellGrid& grid, KavCellTexts& filled, std::int16_t axis,
                 std::int16_t page);

// A cell StoreKavGrid could not take.
struct RefusedCell {
  int row, col;
  std::string text;
};

// The value cells changed since the fill back into the data; a cell still showing what the fill
// wrote keeps its word. A changed cell that is no value of its column keeps its stored word (and
// shows it again); the user is told which cells were refused. A word that changes marks its axis
// (or the extended points) as differing from its files and from the gateway.
std::vector<RefusedCell> StoreKavGrid(platform::CellGrid& grid, KavCellTexts& filled,
                                      std::int16_t axis, std::int16_t page);

// The tool tip of columns 1-13, "" for any other column.
std::string GetKavColumnTip(std::int16_t col);

// A column's kind for the paste check: its own number.
std::int16_t GetColumnKind(std::int16_t col);

// True when the mouse cell lies in the selection and the selection holds more than one cell.
bool IsMouseInSelection(const GridCursor& cursor);

// The copy text of the selection: "kind,row, col,rows, cols," then every cell and ",".
std::string CopyGridSelection(std::int16_t kind, const platform::CellGrid& grid,
                              const GridCursor& cursor);

enum class PasteResult : std::int16_t { Pasted = 0, NothingToPaste = 1, ColumnsMismatch = 2 };

// Writes the copied block into the grid from the current cell, into the same columns only;
// rows below the grid are dropped.
PasteResult PasteGridText(const std::string& text, std::int16_t kind, platform::CellGrid& grid,
                          const GridCursor& cursor);

}  // namespace editors
