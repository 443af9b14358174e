#include <string>

#include "axisdata/DataFileText.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/FileInput.h"
#include "platform/TextFile.h"
#include "resources/UiText.h"

namespace axisdata {

namespace {

// A written file is at most about 21 KB; anything far above is no XEP file.
constexpr std::size_t kMaxXepBytes = 256 * 1024;

}  // namespace

std::string XepText(const ExtPointWords& words) {
  std::string text;
  text.reserve(kExtPointCarried * 12);
  for (int i = 0; i < kExtPointCarried; i += 2) {
    text += std::to_string(words[i]) + "," + std::to_string(words[i + 1]) + "\r\n";
  }
  return text;
}

bool ParseXepText(std::string_view text, ExtPointWords& words) {
  ExtPointWords read = words;
  FieldReader reader(text);
  for (int i = 0; i < kExtPointCarried; ++i) {
    const std::optional<std::string_view> field = reader.NextField();
    const std::optional<std::int32_t> value = field ? DecimalWord(*field) : std::nullopt;
    if (!value) return false;
    read[i] = *value;
  }
  words = read;
  return true;
}

std::optional<std::string> ReadXepFile(const std::string& fileName) {
  using resources::Text;
  using resources::Txt;
  const std::string missing = Text(Txt::ExtendedPosition) + Text(Txt::FileIsntExist);
  std::string text;
  if (auto failure = LoadDataFile(fileName, kMaxXepBytes, missing, text)) return failure;
  if (!ParseXepText(text, ExtPointData)) return InvalidDataMessage(fileName);
  return std::nullopt;
}

std::optional<std::string> WriteXepFile(const std::string& fileName) {
  return platform::WriteTextFile(fileName, XepText(ExtPointData));
}

}  // namespace axisdata
