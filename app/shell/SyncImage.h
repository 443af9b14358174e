#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CellGrid.h"

// The gateway configuration image, its grid view (one model of the synchronous table at a
// time) and its files: the ZEL file of decimal words and the CSV export of one model's grid.
namespace shell {

constexpr int kPrgDataWords = 4097;
constexpr int kZelWords = 133;              // words 0-132 travel in ZEL files
constexpr int kGatewayImageWords = 305;     // words 0-304 travel in whole-image transfers
constexpr int kScanListMaskWord = 128;
constexpr int kPresetModeWord = 129;
constexpr int kBackupOnPowerOffWord = 130;
constexpr int kBackupOnPosFinishWord = 131;
constexpr int kCsvLines = 9;
constexpr int kSyncGridRows = 9;
constexpr int kSyncGridCols = 17;

extern std::array<std::int32_t, kPrgDataWords> PrgData;

// Names of the current data set (its base name, shared with the axis-data files, is
// axisdata::BaseFileName).
extern std::string CurFileName;
extern std::string CsvFileName;

// Axis bits of a word: axis 15 is written as bits 15-31 together and read from bit 15 alone.
bool AxisBitSet(std::int32_t word, int axis);
std::int32_t WithAxisBit(std::int32_t word, int axis);

// An axis as the windows name it: "Ax00" ... "Ax15".
std::string AxisCaption(int axis);

// The header row and column: the corner text, "Ax00" ... "Ax15", "Group0" ... "Group7".
void SetSyncGridHeaders(platform::CellGrid& grid, const std::string& corner);

// Image -> grid and grid -> image for one model.
void ReadPrgData(platform::CellGrid& grid, int model);
void WritePrgData(const platform::CellGrid& grid, int model);

// The names derived from a ZEL path: the base name is the path up to its last "." (the whole
// path when it has none), the CSV name the base name & ".CSV".
std::string DataSetBaseName(const std::string& zelPath);
void SetDataSetNames(const std::string& zelPath);

// The ZEL path of the data set named by the base name, the set whose point tables the
// point-table editor reads and writes: CurFileName when it is of that set, else the base name &
// ".zel" (the editor opened another set than the main window's).
std::string KavDataSetPath();

// The data set's names as they stand (CurFileName, BaseFileName, CsvFileName), to put back when
// a Save As could write nothing under the new ones.
struct DataSetNames {
  std::string zel, base, csv;
};
DataSetNames CurrentDataSetNames();
void RestoreDataSetNames(const DataSetNames& names);

// The largest files the readers take. A ZEL file of 133 quoted values is under 2 KB and a CSV
// file of 9 rows of 17 cells under 11 KB; the rest is room for blanks and lines a user added.
constexpr std::size_t kZelMaxBytes = 64 * 1024;
constexpr std::size_t kCsvMaxBytes = 64 * 1024;
// A cell holds "0" or "1", a header text or a group name; an imported cell may be no longer.
constexpr std::size_t kCsvCellMaxLength = 64;

// The 133 words of a ZEL text: values separated by line ends or commas, bare or in double quotes,
// leading blanks skipped; anything after the 133rd value is ignored. On failure the words are
// untouched and the result describes what is wrong.
[[nodiscard]] std::optional<std::string> ParseZelText(
    std::string_view text, std::array<std::int32_t, kZelWords>& words);
// The words quoted ("5") or bare (5), one per CR LF line.
std::string ZelText(std::span<const std::int32_t, kZelWords> words, bool quoted);

// Reads a ZEL file (ParseZelText); the description of a failure names the file.
[[nodiscard]] std::optional<std::string> ReadZelFile(const std::string& path,
                                                     std::array<std::int32_t, kZelWords>& words);

// Writes words 0-132 of the image, quoted ("5") or bare (5), one per CR LF line. The file is
// replaced as a whole or not at all; the result describes a failure.
[[nodiscard]] std::optional<std::string> WriteZelFile(const std::string& path, bool quoted);

// The grid's rows as CSV lines (cells joined with ",", CR LF pairs inside cells removed).
std::vector<std::string> WriteCSVString(const platform::CellGrid& grid);

// The texts of a row of `cols` cells from one CSV line: fields up to the next ","; when no ","
// follows, the rest of the line fills every remaining cell; fields beyond `cols` are ignored.
std::vector<std::string_view> CsvCells(std::string_view line, int cols);

// Puts CSV lines into the grid, each line's cells as CsvCells gives them.
void SetGridData(platform::CellGrid& grid, const std::vector<std::string>& lines);

// The first 9 lines of a CSV text (line ends CR LF, LF or CR). Fewer lines, or a cell longer
// than kCsvCellMaxLength, is a failure that leaves lines untouched.
[[nodiscard]] std::optional<std::string> ParseCsvText(std::string_view text,
                                                      std::vector<std::string>& lines);
// The lines, each ended with CR LF.
std::string CsvText(const std::vector<std::string>& lines);

[[nodiscard]] std::optional<std::string> WriteCsvFile(const std::string& path,
                                                      const std::vector<std::string>& lines);
// Reads a CSV file (ParseCsvText); the description of a failure names the file.
[[nodiscard]] std::optional<std::string> ReadCsvFile(const std::string& path,
                                                     std::vector<std::string>& lines);

}  // namespace shell
