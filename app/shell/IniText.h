#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// INI text as the Windows profile functions treat it: "[Section]" header lines, "Key=Value"
// lines, ';' comment lines. Section and key names match without regard to ASCII letter case and
// without the blanks around them. A value loses the blanks around it and then one pair of
// matching quotes (' or ") that encloses it. Lines before the first header belong to no
// section; other lines are kept but never match. Lines may end in CR LF, LF or a CR alone.
namespace shell {

// The value of key in section, or nothing when the section or the key is absent. Where a
// section or key occurs more than once, the first key line in file order wins.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// A section or key name as reads match it: without the blanks around it, ASCII letters in
// lower case.
std::string IniName(std::string_view name);

// Every key of the text that a read can reach, by section and key name (IniName), with the
// value FindIniValue gives for it.
using IniValues = std::map<std::pair<std::string, std::string>, std::string>;
IniValues AllIniValues(std::string_view text);

// The text with key set to value in section: the key line that FindIniValue would read is
// replaced, else a line is added after the last line of the section's first occurrence, else
// the section is appended. Every other line stays as it was; a last line without its line end
// gets one, so nothing can be joined to it. New lines use the text's own line end (CR LF for a
// text without one). A value whose blanks or quotes reading would strip is written in double
// quotes, so it reads back as given.
// Nothing when the item cannot be written so that it reads back (line breaks anywhere, a
// section with ']', a key with '=' or one that starts a header or comment), or when the new text
// would not read back as exactly the old keys with this one set.
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace shell
