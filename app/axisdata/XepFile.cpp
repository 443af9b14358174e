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

// The file's 1680 values in sequence (however they are spread over lines) over a copy of the
// image; false when one is missing or is no 32-bit decimal number. Later fields are ignored.
bool ParseXep(std::string_view text, std::array<std::int32_t, kExtPointWords>& words) {
  FieldReader reader(text);
  for (int i = 0; i < kExtPointCarried; ++i) {
    const std::optional<std::string_view> field = reader.NextField();
    const std::optional<std::int32_t> value = field ? DecimalWord(*field) : std::nullopt;
    if (!value) return false;
    words[i] = *value;
  }
  return true;
}

}  // namespace

bool ReadXepFile(const std::string& fileName) {
  using resources::Text;
  using resources::Txt;
  std::string text;
  if (!LoadDataFile(fileName, kMaxXepBytes, Text(Txt::ExtendedPosition) + Text(Txt::FileIsntExist),
                    text)) {
    return false;
  }
  std::array<std::int32_t, kExtPointWords> words = ExtPointData;
  if (!ParseXep(text, words)) {
    ReportInvalidData(fileName);
    return false;
  }
  ExtPointData = words;
  return true;
}

std::optional<std::string> WriteXepFile(const std::string& fileName) {
  std::string text;
  text.reserve(kExtPointCarried * 12);
  for (int i = 0; i < kExtPointCarried; i += 2) {
    text += std::to_string(ExtPointData[i]) + "," + std::to_string(ExtPointData[i + 1]) + "\r\n";
  }
  return platform::WriteTextFile(fileName, text);
}

}  // namespace axisdata
