#include "editors/MonitorPolling.h"

#include <cstdio>
#include <utility>

#include "axisdata/TransferLoop.h"
#include "editors/MonitorWords.h"
#include "resources/UiText.h"

namespace editors {

namespace {

using resources::Text;
using resources::Txt;

std::uint8_t Byte(std::uint32_t word, int index) {
  return static_cast<std::uint8_t>(word >> (8 * index) & 0xFFu);
}

std::string TwoHexDigits(std::uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

// "Normal : 00" in bright green, or "Alarm : " and the code in red.
std::pair<std::string, Shade> CodeText(std::uint8_t code) {
  if (code == 0) return {Text(Txt::NormalPrefix) + TwoHexDigits(code), Shade::Set};
  return {Text(Txt::AlarmPrefix) + TwoHexDigits(code), Shade::Alarm};
}

// "Address=" and characters 6 to 13 of the word's hexadecimal text padded with 16 blanks: the
// last three digits of an eight-digit address and five blanks, blanks alone for five digits or
// fewer.
std::string AddressText(std::uint32_t word) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%X", word);
  const std::string padded = std::string(hex) + std::string(16, ' ');
  return Text(Txt::AddressPrefix) + padded.substr(5, 8);
}

// Alarm codes that come with an alarm address.
bool HasAddress(std::uint8_t code) { return code == 0xB0 || code == 0xB1; }

// The set-up reads a word pair at most this often before it leaves the rest to the next tick.
constexpr int kMaxPairs = 3;

}  // namespace

MonitorPolling::MonitorPolling(WordReader& reader, SerialLine& line, MonitorView& view,
                               const std::int16_t& curAxis, LeadOf leadOf)
    : reader_(reader), line_(line), view_(view), curAxis_(curAxis), leadOf_(std::move(leadOf)) {}

std::optional<std::int32_t> MonitorPolling::Read(std::uint16_t address) {
  return reader_.Read(curAxis_, address);
}

void MonitorPolling::Tick() {
  if (axisdata::LoopRunning()) return;
  const std::optional<std::int32_t> link = LineOpen() ? Read(kLinkStateWord) : std::nullopt;
  if (!link) {
    ShowSilent();
    return;
  }
  const auto state = static_cast<std::uint32_t>(*link);
  view_.ShowFieldbus((state & kFieldbusOnlineBit) != 0);
  const bool serial = (state & kSerialOnlineBit) != 0;
  const bool unitReady = serial && (!unitPending_ || SetAxisUnit(*unitPending_));
  if (!unitReady || !RunStep()) {
    ShowNotCurrent();
    return;
  }
  view_.ShowSerial(true);
  stale_ = false;
}

bool MonitorPolling::LineOpen() {
  if (!line_.Lost()) return true;
  if (reopenPause_ > 0) {
    --reopenPause_;
    return false;
  }
  ShowSilent();  // shown before the open, which may take a while
  switch (line_.Reopen()) {
    case SerialLine::Reopening::Opened:
      lossTold_ = false;
      unitPending_ = curAxis_;  // the gateway may be another one now
      return true;
    case SerialLine::Reopening::NoDevice: break;
    case SerialLine::Reopening::Failed: reopenPause_ = kReopenPauseTicks; break;
  }
  if (!lossTold_) {
    lossTold_ = true;
    view_.TellLineLost();
  }
  return false;
}

void MonitorPolling::ShowSilent() {
  view_.ShowFieldbus(false);  // not known, so not shown online
  ShowNotCurrent();
}

void MonitorPolling::ShowNotCurrent() {
  view_.ShowSerial(false);
  if (stale_) return;
  stale_ = true;
  view_.ShowStale();
}

bool MonitorPolling::RunStep() {
  const std::int16_t step = pollStep_ >= kStatus && pollStep_ < kHistory ? pollStep_ : kHistory;
  const std::optional<std::int32_t> word = Read(StepAddress(step));
  if (!word) return false;
  pollStep_ = ShowStep(step, *word);
  return true;
}

std::uint16_t MonitorPolling::StepAddress(std::int16_t step) const {
  switch (step) {
    case kStatus: return static_cast<std::uint16_t>(kAxisStatusWord + curAxis_);
    case kAlarmAddress: return kAlarmAddressWord;
    case kPointNumber: return static_cast<std::uint16_t>(kPointNumberWord + curAxis_);
    case kPosition: return kActualPositionWord;
    case kUnifiedPoint: return kUnifiedPointNumberWord;
    case kGroupLamps: return kGroupLampWord;
    default: return static_cast<std::uint16_t>(kAlarmHistoryWord + historyIndex_);
  }
}

std::int16_t MonitorPolling::ShowStep(std::int16_t step, std::int32_t word) {
  const auto bits = static_cast<std::uint32_t>(word);
  switch (step) {
    case kStatus: return ShowStatus(bits);
    case kAlarmAddress:
      view_.ShowAlarmAddress(AddressText(bits));
      return kPointNumber;
    case kPointNumber:
      view_.ShowPointNumber(std::to_string(word));
      return kPosition;
    case kPosition:
      view_.ShowPosition(FormatPosition(word, unit_));
      return kUnifiedPoint;
    case kUnifiedPoint:
      view_.ShowUnifiedPointNumber(std::to_string(Byte(bits, 0)));
      return kGroupLamps;
    case kGroupLamps:
      view_.ShowGroupPFIN(bits);
      view_.ShowGroupAlarm(bits);
      return kHistory;
    default:
      ShowHistoryEntry(bits);
      return kStatus;
  }
}

std::int16_t MonitorPolling::ShowStatus(std::uint32_t word) {
  for (int byte = 3; byte >= 0; --byte) view_.ShowBitLamps(8 * (3 - byte), Byte(word, byte));
  const std::uint8_t code = Byte(word, 2);
  const auto [text, shade] = CodeText(code);
  view_.ShowAlarmCode(text, shade);
  if (code == 0) view_.ShowAlarmAddress("");
  return HasAddress(code) ? kAlarmAddress : kPointNumber;
}

void MonitorPolling::ShowHistoryEntry(std::uint32_t word) {
  const auto [text, shade] = CodeText(Byte(word, 0));
  view_.ShowHistory(historyIndex_, text, shade);
  historyIndex_ = historyIndex_ >= kHistoryEntries - 1 ? 0 : historyIndex_ + 1;
}

std::optional<std::int32_t> MonitorPolling::ReadTwiceAlike(std::int16_t axis,
                                                           std::uint16_t address) {
  for (int pair = 0; pair < kMaxPairs; ++pair) {
    const std::optional<std::int32_t> first = reader_.Read(axis, address);
    if (!first) return std::nullopt;
    const std::optional<std::int32_t> second = reader_.Read(axis, address);
    if (!second) return std::nullopt;
    if (*first == *second) return first;
  }
  return std::nullopt;
}

bool MonitorPolling::SetAxisUnit(std::int16_t axis) {
  unitPending_ = axis;
  const std::optional<std::int32_t> type = ReadTwiceAlike(axis, kActuatorTypeWord);
  if (!type) return false;
  const std::optional<std::int32_t> factors = ReadTwiceAlike(axis, kScaleFactorWord);
  if (!factors) return false;
  const auto scale = static_cast<std::uint32_t>(*factors);
  unit_ = UnitForType(Byte(static_cast<std::uint32_t>(*type), 0), Byte(scale, 1), Byte(scale, 2),
                      leadOf_);
  view_.ShowUnit(unit_.name);
  unitPending_.reset();
  return true;
}

}  // namespace editors
