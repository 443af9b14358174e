#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "axisdata/TransferLoop.h"
#include "editors/MonitorPolling.h"

// A gateway as the monitor's polling sees it: words by address (a missing word never arrives),
// and every read asked for.
struct FakeReader : editors::WordReader {
  struct AxisRead {
    std::int16_t axis;
    std::uint16_t address;
    bool operator==(const AxisRead&) const = default;
  };

  std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) override {
    reads.push_back({axis, address});
    if (auto& next = changing[address]; !next.empty()) {
      const std::int32_t value = next.front();
      next.pop_front();
      return value;
    }
    const auto word = words.find(address);
    if (word == words.end()) return std::nullopt;
    return word->second;
  }

  // The addresses read since the last call.
  std::vector<std::uint16_t> TakeAddresses() {
    std::vector<std::uint16_t> addresses;
    for (const AxisRead& r : reads) addresses.push_back(r.address);
    reads.clear();
    return addresses;
  }

  std::map<std::uint16_t, std::int32_t> words;
  std::map<std::uint16_t, std::deque<std::int32_t>> changing;  // values read before `words`
  std::vector<AxisRead> reads;
};

// A serial line that is lost while `lost` is set; each reopen takes the next outcome (`otherwise`
// once they are used up) and, when it opens, finds the line there again. While it tries, window
// events run as a loop: `duringReopen` plays them.
struct FakeLine : editors::SerialLine {
  bool Lost() override { return lost; }
  Reopening Reopen() override {
    ++reopens;
    if (duringReopen) {
      const axisdata::LoopScope trying;
      duringReopen();
    }
    const Reopening outcome = outcomes.empty() ? otherwise : outcomes.front();
    if (!outcomes.empty()) outcomes.pop_front();
    lost = outcome != Reopening::Opened;
    return outcome;
  }

  bool lost = false;
  std::deque<Reopening> outcomes;
  Reopening otherwise = Reopening::Failed;
  std::function<void()> duringReopen;
  int reopens = 0;
};

// What the polling showed last, and how often it marked the picture stale or told of a loss.
struct FakeView : editors::MonitorView {
  void ShowStale() override { ++staleShown; }
  void TellLineLost() override { ++lossesTold; }
  void ShowFieldbus(bool online) override { fieldbus = online; }
  void ShowSerial(bool online) override { serial = online; }
  void ShowBitLamps(int first, std::uint8_t byte) override { bitLamps[first] = byte; }
  void ShowAlarmCode(const std::string& text, editors::Shade shade) override {
    alarmCode = {text, shade};
  }
  void ShowAlarmAddress(const std::string& text) override { alarmAddress = text; }
  void ShowPointNumber(const std::string& text) override { pointNumber = text; }
  void ShowPosition(const std::string& text) override { position = text; }
  void ShowUnifiedPointNumber(const std::string& text) override { unifiedPoint = text; }
  void ShowGroupPFIN(std::uint32_t word) override { groupPfin = word; }
  void ShowGroupAlarm(std::uint32_t word) override { groupAlarm = word; }
  void ShowHistory(int index, const std::string& text, editors::Shade shade) override {
    history[index] = {text, shade};
  }
  void ShowUnit(const std::string& name) override { unit = name; }

  std::optional<bool> fieldbus, serial;
  std::map<int, std::uint8_t> bitLamps;
  std::pair<std::string, editors::Shade> alarmCode{};
  std::optional<std::string> alarmAddress;
  std::string pointNumber, position, unifiedPoint, unit;
  std::optional<std::uint32_t> groupPfin, groupAlarm;
  std::array<std::pair<std::string, editors::Shade>, 8> history{};
  int staleShown = 0;
  int lossesTold = 0;
};
