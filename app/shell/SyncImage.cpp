#include "shell/SyncImage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "axisdata/FileInput.h"
#include "axisdata/TextRoutines.h"
#include "platform/TextFile.h"
#include "resources/UiText.h"

namespace shell {

using platform::DescribeReadFailure;
using platform::MessageExcerpt;
using platform::ReadOutcome;
using platform::ReadTextFile;
using resources::Msg;
using resources::Text;

std::array<std::int32_t, kPrgDataWords> PrgData{};
std::string CurFileName;
std::string CsvFileName;

namespace {

constexpr std::int32_t kAxis15Bits = static_cast<std::int32_t>(0xFFFF8000u);
constexpr const char* kCrLf = "\r\n";

// A cell counts as a member when its text starts with a whole number above 0 ("1", or "5" from
// an imported file); anything else, the empty text included, is not a member.
bool CellIsMember(const std::string& text) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(p, &end, 10);
  return end != p && errno == 0 && value > 0;
}

// Splits a ZEL text into its values; quotes are taken off, leading blanks skipped.
std::vector<std::string> ZelTokens(std::string_view text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= n) break;
    std::string token;
    if (text[i] == '"') {
      const size_t close = text.find('"', i + 1);
      const size_t stop = close == std::string_view::npos ? n : close;
      token = text.substr(i + 1, stop - i - 1);
      i = stop == n ? n : stop + 1;
      while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') ++i;
    } else {
      const size_t stop = text.find_first_of(",\r\n", i);
      token = text.substr(i, (stop == std::string_view::npos ? n : stop) - i);
      while (!token.empty() && (token.back() == ' ' || token.back() == '\t')) token.pop_back();
      i = stop == std::string_view::npos ? n : stop;
    }
    tokens.push_back(token);
    // One separator ends the value; a CR LF pair counts as one line end.
    if (i < n && text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') i += 2;
    else if (i < n) ++i;
    // Blank lines between values carry no value.
    while (i < n && (text[i] == '\r' || text[i] == '\n')) ++i;
  }
  return tokens;
}

std::optional<std::int32_t> ParseWord(const std::string& token) {
  if (token.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(token.c_str(), &end, 10);
  // The whole token must be the number: a NUL inside it would end strtoll's text early.
  if (end == token.c_str() || end != token.c_str() + token.size() || errno != 0) {
    return std::nullopt;
  }
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

// Reads a file of at most maxBytes; the failure's description names the file.
std::optional<std::string> ReadBoundedFile(const std::string& path, std::size_t maxBytes,
                                           std::string& text) {
  const ReadOutcome outcome = ReadTextFile(path, maxBytes, text);
  if (outcome == ReadOutcome::Read) return std::nullopt;
  return path + ": " + DescribeReadFailure(outcome, maxBytes);
}


}  // namespace

bool AxisBitSet(std::int32_t word, int axis) {
  return (static_cast<std::uint32_t>(word) >> axis) & 1u;
}

std::int32_t WithAxisBit(std::int32_t word, int axis) {
  return axis == 15 ? (word | kAxis15Bits) : (word | (std::int32_t{1} << axis));
}

std::string AxisCaption(int axis) { return (axis < 10 ? "Ax0" : "Ax") + std::to_string(axis); }

void SetSyncGridHeaders(platform::CellGrid& grid, const std::string& corner) {
  grid.SetCellText(0, 0, corner);
  for (int r = 1; r < grid.Rows(); ++r) grid.SetCellText(r, 0, "Group" + std::to_string(r - 1));
  for (int c = 1; c < grid.Cols(); ++c) {
    grid.SetCellText(0, c, AxisCaption(c - 1));
  }
}

void ReadPrgData(platform::CellGrid& grid, int model) {
  for (int r = 1; r < grid.Rows(); ++r) {
    const std::int32_t word = PrgData[model * 8 + r - 1];
    for (int axis = 0; axis < 16; ++axis) {
      grid.SetCellText(r, axis + 1, AxisBitSet(word, axis) ? "1" : "0");
    }
  }
}

void WritePrgData(const platform::CellGrid& grid, int model) {
  for (int r = 1; r < grid.Rows(); ++r) {
    std::int32_t word = 0;
    for (int c = 1; c <= 16; ++c) {
      if (CellIsMember(grid.CellText(r, c))) word = WithAxisBit(word, c - 1);
    }
    PrgData[model * 8 + r - 1] = word;
  }
}

std::string DataSetBaseName(const std::string& zelPath) {
  const std::int32_t dot = axisdata::InStrRevPos(zelPath, ".", -1, axisdata::kBinaryCompare);
  const std::string::size_type slash = zelPath.find_last_of("/\\");
  // A "." that belongs to a folder name is no extension.
  const bool hasExtension =
      dot > 0 && (slash == std::string::npos || static_cast<std::string::size_type>(dot) > slash);
  return hasExtension ? zelPath.substr(0, dot - 1) : zelPath;
}

void SetDataSetNames(const std::string& zelPath) {
  CurFileName = zelPath;
  axisdata::BaseFileName = DataSetBaseName(zelPath);
  CsvFileName = axisdata::BaseFileName + ".CSV";
}

std::string KavDataSetPath() {
  return DataSetBaseName(CurFileName) == axisdata::BaseFileName ? CurFileName
                                                                : axisdata::BaseFileName + ".zel";
}

DataSetNames CurrentDataSetNames() { return {CurFileName, axisdata::BaseFileName, CsvFileName}; }

void RestoreDataSetNames(const DataSetNames& names) {
  CurFileName = names.zel;
  axisdata::BaseFileName = names.base;
  CsvFileName = names.csv;
}

std::optional<std::string> ParseZelText(std::string_view text,
                                        std::array<std::int32_t, kZelWords>& words) {
  const std::vector<std::string> tokens = ZelTokens(text);
  if (tokens.size() < static_cast<size_t>(kZelWords)) {
    return Text(Msg::ZelEndsEarly, {std::to_string(tokens.size()), std::to_string(kZelWords)});
  }
  std::array<std::int32_t, kZelWords> read{};
  for (int i = 0; i < kZelWords; ++i) {
    const std::optional<std::int32_t> value = ParseWord(tokens[i]);
    if (!value) {
      return Text(Msg::ZelBadValue, {std::to_string(i + 1), MessageExcerpt(tokens[i])});
    }
    read[i] = *value;
  }
  words = read;
  return std::nullopt;
}

std::string ZelText(std::span<const std::int32_t, kZelWords> words, bool quoted) {
  std::string text;
  for (const std::int32_t word : words) {
    const std::string value = std::to_string(word);
    text += (quoted ? "\"" + value + "\"" : value) + kCrLf;
  }
  return text;
}

std::optional<std::string> ReadZelFile(const std::string& path,
                                       std::array<std::int32_t, kZelWords>& words) {
  std::string text;
  if (auto failure = ReadBoundedFile(path, kZelMaxBytes, text)) return failure;
  if (auto error = ParseZelText(text, words)) return path + ": " + *error;
  return std::nullopt;
}

std::optional<std::string> WriteZelFile(const std::string& path, bool quoted) {
  return platform::WriteTextFile(path, ZelText(std::span(PrgData).first<kZelWords>(), quoted));
}

std::vector<std::string> WriteCSVString(const platform::CellGrid& grid) {
  std::vector<std::string> lines;
  for (int r = 0; r < grid.Rows(); ++r) {
    std::string line;
    for (int c = 0; c < grid.Cols(); ++c) {
      if (c > 0) line += ",";
      line += axisdata::StripCrLf(grid.CellText(r, c));
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string_view> CsvCells(std::string_view line, int cols) {
  std::vector<std::string_view> cells;
  std::string_view::size_type pos = 0;
  while (static_cast<int>(cells.size()) < cols) {
    const std::string_view::size_type comma = line.find(',', pos);
    if (comma == std::string_view::npos) {
      cells.resize(static_cast<size_t>(cols), line.substr(pos));
      break;
    }
    cells.push_back(line.substr(pos, comma - pos));
    pos = comma + 1;
  }
  return cells;
}

void SetGridData(platform::CellGrid& grid, const std::vector<std::string>& lines) {
  for (int r = 0; r < static_cast<int>(lines.size()) && r < grid.Rows(); ++r) {
    const std::vector<std::string_view> cells = CsvCells(lines[r], grid.Cols());
    for (int c = 0; c < grid.Cols(); ++c) grid.SetCellText(r, c, std::string(cells[c]));
  }
}

std::optional<std::string> ParseCsvText(std::string_view text, std::vector<std::string>& lines) {
  std::vector<std::string> read;
  std::string_view::size_type pos = 0;
  while (pos < text.size() && read.size() < static_cast<size_t>(kCsvLines)) {
    std::string_view::size_type end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    read.emplace_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  if (read.size() < static_cast<size_t>(kCsvLines)) {
    return Text(Msg::CsvTooFewLines, {std::to_string(read.size()), std::to_string(kCsvLines)});
  }
  // A line without commas would repeat its whole rest into every cell of the row.
  for (size_t r = 0; r < read.size(); ++r) {
    for (const std::string_view cell : CsvCells(read[r], kSyncGridCols)) {
      if (cell.size() > kCsvCellMaxLength) {
        return Text(Msg::CsvLongCell, {std::to_string(r + 1), std::to_string(kCsvCellMaxLength),
                                       MessageExcerpt(cell)});
      }
    }
  }
  lines = std::move(read);
  return std::nullopt;
}

std::string CsvText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + kCrLf;
  return text;
}

std::optional<std::string> WriteCsvFile(const std::string& path,
                                        const std::vector<std::string>& lines) {
  return platform::WriteTextFile(path, CsvText(lines));
}

std::optional<std::string> ReadCsvFile(const std::string& path, std::vector<std::string>& lines) {
  std::string text;
  if (auto failure = ReadBoundedFile(path, kCsvMaxBytes, text)) return failure;
  if (auto error = ParseCsvText(text, lines)) return path + ": " + *error;
  return std::nullopt;
}

}  // namespace shell
