// The CSV import: a failed parse leaves the lines untouched and describes the failure in a short
// message; a successful one gives 9 lines whose cells stay within the bound, and the grid they
// fill, exported and imported again, is the same grid.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "platform/TableGrid.h"
#include "shell/SyncImage.h"

namespace {

constexpr std::size_t kMaxMessage = 160;

platform::TableGrid GridOf(const std::vector<std::string>& lines) {
  platform::TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  shell::SetGridData(grid, lines);
  return grid;
}

bool SameCells(const platform::TableGrid& a, const platform::TableGrid& b) {
  for (int r = 0; r < a.Rows(); ++r) {
    for (int c = 0; c < a.Cols(); ++c) {
      if (a.CellText(r, c) != b.CellText(r, c)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> untouched = {"untouched"};
  std::vector<std::string> lines = untouched;
  if (const auto error = shell::ParseCsvText(text, lines)) {
    FUZZ_CHECK(error->size() <= kMaxMessage);
    FUZZ_CHECK(lines == untouched);
    return 0;
  }
  FUZZ_CHECK(lines.size() == static_cast<std::size_t>(shell::kCsvLines));

  const platform::TableGrid grid = GridOf(lines);
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      FUZZ_CHECK(grid.CellText(r, c).size() <= shell::kCsvCellMaxLength);
    }
  }
  std::vector<std::string> exported;
  FUZZ_CHECK(!shell::ParseCsvText(shell::CsvText(shell::WriteCSVString(grid)), exported));
  FUZZ_CHECK(SameCells(GridOf(exported), grid));

  std::vector<std::string> again;
  FUZZ_CHECK(!shell::ParseCsvText(shell::CsvText(lines), again));
  FUZZ_CHECK(again == lines);
  return 0;
}
