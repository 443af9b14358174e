#include "axisdata/TextRoutines.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace axisdata {

namespace {

bool SameChar(char a, char b, bool foldCase) {
  if (!foldCase) return a == b;
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view find, bool foldCase) {
  for (std::size_t i = 0; i < find.size(); ++i) {
    if (!SameChar(text[pos + i], find[i], foldCase)) return false;
  }
  return true;
}

// First occurrence of a non-empty find at or after `from`, or npos.
std::size_t FindFrom(std::string_view text, std::string_view find, std::size_t from,
                     bool foldCase) {
  for (std::size_t pos = from; pos + find.size() <= text.size(); ++pos) {
    if (MatchesAt(text, pos, find, foldCase)) return pos;
  }
  return std::string_view::npos;
}

}  // namespace

std::string PathFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter,
                                   std::int32_t limit, std::int32_t compare) {
  if (text.empty()) return {};
  if (delimiter.empty() || limit == 0 || delimiter.size() > text.size()) {
    return {std::string(text)};
  }
  const bool foldCase = compare == kTextCompare;
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (limit < 0 || static_cast<std::int32_t>(parts.size()) < limit) {
    const std::size_t found = FindFrom(text, delimiter, begin, foldCase);
    if (found == std::string_view::npos) break;
    parts.emplace_back(text.substr(begin, found - begin));
    begin = found + delimiter.size();
  }
  parts.emplace_back(text.substr(begin));
  return parts;
}

std::int32_t InStrRevPos(std::string_view text, std::string_view find, std::int32_t start,
                         std::int32_t compare) {
  const auto length = static_cast<std::int64_t>(text.size());
  const std::int64_t end = start == -1 ? length : start;
  if (find.empty() || end < 0 || end > length) return 0;
  const bool foldCase = compare == kTextCompare;
  for (std::int64_t pos = end - static_cast<std::int64_t>(find.size()); pos >= 0; --pos) {
    if (MatchesAt(text, static_cast<std::size_t>(pos), find, foldCase)) {
      return static_cast<std::int32_t>(pos + 1);
    }
  }
  return 0;
}

std::string StripCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::int32_t UnsignedToLong(std::int64_t number) {
  constexpr std::int64_t kWordRange = std::int64_t{1} << 32;
  if (number >= std::numeric_limits<std::int32_t>::min() &&
      number <= std::numeric_limits<std::int32_t>::max()) {
    return static_cast<std::int32_t>(number);
  }
  if (number > 0 && number <= kWordRange) return static_cast<std::int32_t>(number - kWordRange);
  return 0;
}

std::string HexText(std::int32_t value) {
  char buf[8];
  const auto written = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(value), 16);
  std::string text(buf, written.ptr);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace axisdata
