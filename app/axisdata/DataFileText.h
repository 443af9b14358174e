#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the EEP and XEP readers share: loading a data file with a bound on what is read, telling
// the user which file could not be read, and walking its text field by field.
namespace axisdata {

// Reads a data file whole; nothing when it was read, else why not: missingMessage when no file
// of that name exists, otherwise which file could not be read. Anything that is not a regular
// file, and a file above maxBytes (no file of the format comes near it), is refused.
[[nodiscard]] std::optional<std::string> LoadDataFile(const std::string& path,
                                                      std::size_t maxBytes,
                                                      const std::string& missingMessage,
                                                      std::string& text);

// That the file's content is not of its format, naming the file.
std::string InvalidDataMessage(const std::string& path);

// A data file's text as the readers take it: lines end at CR LF, LF or CR; a field ends at a
// comma or at a line end, and a line end is consumed with the field it ends.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // Nothing but blanks and line ends is left, as a text editor may leave them at a file's end.
  bool OnlyBlanksLeft() const;

  // The rest of the current line, its line end consumed; nothing at the end of the text.
  std::optional<std::string_view> NextLine();

  // The next field without the blanks around it; nothing at the end of the text.
  std::optional<std::string_view> NextField();

 private:
  void SkipLineEnd();

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The field's last eight characters as a 32-bit word in two's complement hexadecimal (a shorter
// field is read whole); nothing unless they are all hexadecimal digits.
std::optional<std::int32_t> HexWord(std::string_view field);

// The field as a signed decimal 32-bit number ("-2500"); nothing for any other text.
std::optional<std::int32_t> DecimalWord(std::string_view field);

}  // namespace axisdata
