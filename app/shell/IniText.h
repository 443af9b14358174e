#pragma once
#include <optional>
#include <string>
#include <string_view>

// INI text as the Windows profile functions treat it: "[Section]" header lines, "Key=Value"
// lines, ';' comment lines. Section and key names match without regard to ASCII letter case and
// without the blanks around them. A value loses the blanks around it and then one pair of
// matching quotes (' or ") that encloses it. Lines before the first header belong to no
// section; other lines are kept but never match. Lines may end in CR LF or LF.
namespace shell {

// The value of key in section, or nothing when the section or the key is absent. Where a
// section or key occurs more than once, the first key line in file order wins.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// Whether section, key and value can be written so that they read back: no line breaks
// anywhere, a section without ']', a key without '=' that does not start a header or comment.
bool IsWritableIniItem(std::string_view section, std::string_view key, std::string_view value);

// The text with key set to value in section: the key line that FindIniValue would read is
// replaced, else a line is added after the last line of the section's first occurrence, else
// the section is appended. Every other line stays byte for byte. New lines use the text's own
// line end (CR LF for a text without one). A value whose blanks or quotes reading would strip
// is written in double quotes, so it reads back as given.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace shell
