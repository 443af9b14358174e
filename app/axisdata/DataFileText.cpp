#include "axisdata/DataFileText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "axisdata/NumberText.h"
#include "platform/TextFile.h"
#include "resources/UiText.h"

namespace axisdata {

using resources::Text;
using resources::Txt;

namespace {

constexpr std::size_t kHexDigits = 8;

std::string SystemErrorMessage(const std::string& path, int error) {
  return Text(Txt::SystemError) + " " + platform::SystemErrorText(error) + "\n" + path;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The whole field as a number of that type; nothing for anything else.
template <class Number>
std::optional<Number> WholeNumber(std::string_view field, int base) {
  Number value{};
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> LoadDataFile(const std::string& path, std::size_t maxBytes,
                                        const std::string& missingMessage, std::string& text) {
  switch (platform::ReadTextFile(path, maxBytes, text)) {
    case platform::ReadOutcome::Read: return std::nullopt;
    case platform::ReadOutcome::Missing: return missingMessage;
    case platform::ReadOutcome::NotAFile:
    case platform::ReadOutcome::TooLarge: return InvalidDataMessage(path);
    case platform::ReadOutcome::Failed: break;
  }
  return SystemErrorMessage(path, errno);
}

std::string InvalidDataMessage(const std::string& path) {
  return Text(Txt::InvalidFileData) + "\n" + path;
}

bool FieldReader::OnlyBlanksLeft() const {
  const std::string_view rest = text_.substr(std::min(pos_, text_.size()));
  return std::all_of(rest.begin(), rest.end(),
                     [](char c) { return IsLineEnd(c) || c == ' ' || c == '\t'; });
}

std::optional<std::string_view> FieldReader::NextLine() {
  if (AtEnd()) return std::nullopt;
  std::size_t end = pos_;
  while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
  const std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = end;
  SkipLineEnd();
  return line;
}

std::optional<std::string_view> FieldReader::NextField() {
  if (AtEnd()) return std::nullopt;
  std::size_t end = pos_;
  while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) ++end;
  const std::string_view field = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (!AtEnd() && text_[pos_] == ',') {
    ++pos_;
  } else {
    SkipLineEnd();
  }
  return TrimBlanks(field);
}

// Called at a line end or at the end of the text.
void FieldReader::SkipLineEnd() {
  if (AtEnd()) return;
  if (text_[pos_++] == '\r' && !AtEnd() && text_[pos_] == '\n') ++pos_;
}

std::optional<std::int32_t> HexWord(std::string_view field) {
  if (field.size() > kHexDigits) field.remove_prefix(field.size() - kHexDigits);
  const std::optional<std::uint32_t> bits = WholeNumber<std::uint32_t>(field, 16);
  if (!bits) return std::nullopt;
  return static_cast<std::int32_t>(*bits);
}

std::optional<std::int32_t> DecimalWord(std::string_view field) {
  return WholeNumber<std::int32_t>(field, 10);
}

}  // namespace axisdata
