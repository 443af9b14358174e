#include "shell/IniText.h"

#include <algorithm>
#include <vector>

namespace shell {

namespace {

// Some editors start a UTF-8 file with this mark; it is no part of the first line.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool NamesMatch(std::string_view a, std::string_view b) { return IniName(a) == IniName(b); }

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsQuoted(std::string_view s) { return s.size() >= 2 && IsQuote(s.front()) && s.back() == s.front(); }

std::string_view Unquote(std::string_view s) { return IsQuoted(s) ? s.substr(1, s.size() - 2) : s; }

// One physical line: its content and its line end ("\r\n", "\n" or none at the end of text).
struct Line {
  std::string_view content;
  std::string_view eol;
};

// A line ends in CR LF, LF or a CR alone, as the program's other readers take them.
std::vector<Line> SplitLines(std::string_view text) {
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find_first_of("\r\n"), text.size());
    size_t eolSize = end < text.size() ? 1 : 0;
    if (text.substr(end).starts_with("\r\n")) eolSize = 2;
    lines.push_back({text.substr(0, end), text.substr(end, eolSize)});
    text.remove_prefix(end + eolSize);
  }
  return lines;
}

enum class Kind { Other, Section, Key };

struct Parsed {
  Kind kind = Kind::Other;
  std::string_view name;
  std::string_view value;
};

Parsed Parse(std::string_view content) {
  const std::string_view s = Trim(content);
  if (s.empty() || s.front() == ';') return {};
  if (s.front() == '[') {
    const size_t close = s.rfind(']');
    if (close == std::string_view::npos) return {};
    return {Kind::Section, s.substr(1, close - 1), {}};
  }
  const size_t eq = s.find('=');
  if (eq == std::string_view::npos || Trim(s.substr(0, eq)).empty()) return {};
  return {Kind::Key, s.substr(0, eq), Unquote(Trim(s.substr(eq + 1)))};
}

// Where a section's key sits, or where a new key of that section would go.
struct Place {
  std::optional<size_t> keyLine;
  std::optional<size_t> sectionEnd;  // last non-blank line of the section's first occurrence
};

Place Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Place place;
  bool inSection = false;
  bool inFirstOccurrence = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = Parse(lines[i].content);
    if (p.kind == Kind::Section) {
      inFirstOccurrence = !place.sectionEnd && NamesMatch(p.name, section);
      inSection = NamesMatch(p.name, section);
    } else if (inSection && p.kind == Kind::Key && NamesMatch(p.name, key)) {
      place.keyLine = i;
      return place;
    }
    if (inFirstOccurrence && !Trim(lines[i].content).empty()) place.sectionEnd = i;
  }
  return place;
}

std::string ValueToWrite(std::string_view value) {
  const bool strippable = (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) ||
                          IsQuoted(value);
  return strippable ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool IsWritableItem(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view k = Trim(key);
  return !Trim(section).empty() && section.find(']') == std::string_view::npos && !k.empty() &&
         k.find('=') == std::string_view::npos && k.front() != '[' && k.front() != ';' &&
         !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value);
}

}  // namespace

std::string IniName(std::string_view name) {
  std::string key(Trim(name));
  for (char& c : key) c = Lower(c);
  return key;
}

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  const std::vector<Line> lines = SplitLines(text);
  const Place place = Locate(lines, section, key);
  if (!place.keyLine) return std::nullopt;
  return std::string(Parse(lines[*place.keyLine].content).value);
}

IniValues AllIniValues(std::string_view text) {
  IniValues values;
  std::optional<std::string> section;  // none before the first header
  for (const Line& line : SplitLines(text)) {
    const Parsed p = Parse(line.content);
    if (p.kind == Kind::Section) section = IniName(p.name);
    else if (p.kind == Kind::Key && section) values.try_emplace({*section, IniName(p.name)}, p.value);
  }
  return values;
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
  if (!IsWritableItem(section, key, value)) return std::nullopt;
  const std::vector<Line> lines = SplitLines(text);
  std::string_view eol = "\r\n";
  for (const Line& line : lines) {
    if (!line.eol.empty()) {
      eol = line.eol;
      break;
    }
  }
  const std::string keyLine = std::string(key) + "=" + ValueToWrite(value);
  const Place place = Locate(lines, section, key);

  std::string out(text.starts_with(kUtf8Mark) ? kUtf8Mark : "");
  for (size_t i = 0; i < lines.size(); ++i) {
    if (place.keyLine == i) {
      out.append(keyLine).append(lines[i].eol);
      continue;
    }
    out.append(lines[i].content);
    const bool insertAfter = !place.keyLine && place.sectionEnd == i;
    if (insertAfter) out.append(eol).append(keyLine);
    out.append(lines[i].eol);
  }
  if (!place.keyLine && !place.sectionEnd) {
    // A last line without its end must not join the new section.
    if (!lines.empty() && lines.back().eol.empty()) out.append(eol);
    out.append("[").append(section).append("]").append(eol).append(keyLine).append(eol);
  }

  IniValues expected = AllIniValues(text);
  expected.insert_or_assign({IniName(section), IniName(key)}, std::string(value));
  if (AllIniValues(out) != expected) return std::nullopt;
  return out;
}

}  // namespace shell
