#include <cstdio>
#include <ctime>

#include "axisdata/DataFileText.h"
#include "axisdata/EditorViews.h"
#include "axisdata/FileInput.h"
#include "axisdata/NumberText.h"
#include "axisdata/TextRoutines.h"
#include "platform/TextFile.h"
#include "resources/UiText.h"

namespace axisdata {

using resources::Text;
using resources::Txt;

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kBanner = ";********* Made By MORTool 2.10 *********";
constexpr const char* kCommonTitle = ";------------ COMMON DATA ------------";
constexpr int kHeaderLines = 3;
constexpr int kWordsPerLine = 4;
// A written file is about 6 KB; anything far above is no EEP file.
constexpr std::size_t kMaxEepBytes = 64 * 1024;

using Block = std::span<std::int32_t, kBlockWords>;
using ConstBlock = std::span<const std::int32_t, kBlockWords>;

std::string Hex8(std::int32_t word) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<std::uint32_t>(word));
  return text;
}

std::string DateLine(std::time_t written) {
  std::tm local{};
  localtime_r(&written, &local);
  char text[64];
  std::strftime(text, sizeof text, "; Date = %m-%d-%Y , Time = %H:%M:%S", &local);
  return text;
}

std::string PointTitle(int point) {
  char text[64];
  std::snprintf(text, sizeof text, ";------------ POINT %02X DATA ----------", point);
  return text;
}

// Eight lines of four words, each line led by the last two hexadecimal digits of the address
// word of its first word: "00:00000000,00000000,00000000,00000000".
void AppendBlock(std::string& text, ConstBlock addresses, ConstBlock values) {
  for (int k = 0; k < kBlockWords; ++k) {
    if (k % kWordsPerLine == 0) {
      char address[8];
      std::snprintf(address, sizeof address, "%02X:",
                    static_cast<unsigned>(addresses[k]) & 0xFFu);
      text += address;
    } else {
      text += ',';
    }
    text += Hex8(values[k]);
    if (k % kWordsPerLine == kWordsPerLine - 1) text += kCrLf;
  }
}

// Takes the block's 32 values from the next 32 fields (the last eight characters of each) and
// sets address word k to k. False when a field is missing or not hexadecimal.
bool ReadBlock(FieldReader& reader, Block addresses, Block values) {
  for (int k = 0; k < kBlockWords; ++k) {
    const std::optional<std::string_view> field = reader.NextField();
    const std::optional<std::int32_t> value = field ? HexWord(*field) : std::nullopt;
    if (!value) return false;
    addresses[k] = k;
    values[k] = *value;
  }
  return true;
}

}  // namespace

std::string EepText(const AxisWords& words, std::time_t written) {
  std::string text;
  text.reserve(8 * 1024);
  for (const std::string& line :
       {std::string(kBanner), DateLine(written), std::string(kCommonTitle)}) {
    text += line + kCrLf;
  }
  AppendBlock(text, CommonAddr(words), CommonValue(words));
  for (int p = 0; p < kBasePoints; ++p) {
    text += PointTitle(p) + kCrLf;
    AppendBlock(text, PointAddr(words, p), PointValue(words, p));
  }
  text += "00:" + Hex8(ExpansionWord(words)) + kCrLf;
  return text;
}

bool ParseEepText(std::string_view text, AxisWords& words) {
  AxisWords read = words;
  FieldReader reader(text);
  for (int i = 0; i < kHeaderLines; ++i) {
    if (!reader.NextLine()) return false;
  }
  if (!ReadBlock(reader, CommonAddr(read), CommonValue(read))) return false;
  for (int p = 0; p < kBasePoints; ++p) {
    if (!reader.NextLine() || !ReadBlock(reader, PointAddr(read, p), PointValue(read, p))) {
      return false;
    }
  }
  // Files without the expansion line come from before it existed; blanks and empty lines at the
  // end are what a text editor leaves.
  const std::optional<std::int32_t> expansion =
      reader.OnlyBlanksLeft() ? std::optional<std::int32_t>(0)
                              : HexWord(TrimBlanks(*reader.NextLine()));
  if (!expansion) return false;
  ExpansionWord(read) = *expansion;
  words = read;
  return true;
}

std::optional<std::string> ReadEepFile(std::int16_t axis, const std::string& fileName) {
  AxisWords& target = AxisData.at(axis);
  const std::string missing =
      Text(Txt::AxisNumber) + HexText(axis) + ": " + Text(Txt::FileIsntExist);
  std::string text;
  if (auto failure = LoadDataFile(fileName, kMaxEepBytes, missing, text)) return failure;
  if (!ParseEepText(text, target)) return InvalidDataMessage(fileName);
  ReadComParam(axis);
  return std::nullopt;
}

std::optional<std::string> WriteEepFile(std::int16_t axis, const std::string& fileName) {
  return platform::WriteTextFile(fileName, EepText(AxisData.at(axis), std::time(nullptr)));
}

}  // namespace axisdata
