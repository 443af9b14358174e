#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "editors/MonitorLamps.h"
#include "editors/MonitorUnit.h"

// The run-status monitor's polling: one gateway word per timer tick after the link state word,
// in a cycle of seven steps over the shown axis's status, alarm address, point numbers,
// position, the all-axes lamps and the alarm history. Without Qt: the window implements the
// view and gives the reader.
namespace editors {

// Reads single gateway words.
class WordReader {
 public:
  virtual ~WordReader() = default;
  // The word at `address`, read for `axis`; nothing when it did not arrive in time.
  virtual std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) = 0;
};

// What the monitor shows; its window implements it.
class MonitorView {
 public:
  virtual ~MonitorView() = default;
  virtual void ShowFieldbus(bool online) = 0;
  virtual void ShowSerial(bool online) = 0;
  // Lamps first to first + 7 show the bits of byte.
  virtual void ShowBitLamps(int first, std::uint8_t byte) = 0;
  virtual void ShowAlarmCode(const std::string& text, Shade shade) = 0;
  virtual void ShowAlarmAddress(const std::string& text) = 0;
  virtual void ShowPointNumber(const std::string& text) = 0;
  virtual void ShowPosition(const std::string& text) = 0;
  virtual void ShowUnifiedPointNumber(const std::string& text) = 0;
  virtual void ShowGroupPFIN(std::uint32_t word) = 0;
  virtual void ShowGroupAlarm(std::uint32_t word) = 0;
  virtual void ShowHistory(int index, const std::string& text, Shade shade) = 0;
  virtual void ShowUnit(const std::string& unit) = 0;
};

class MonitorPolling {
 public:
  // The steps of the cycle, by the value of PollStep.
  static constexpr std::int16_t kStatus = 0, kAlarmAddress = 1, kPointNumber = 2, kPosition = 3,
                                kUnifiedPoint = 4, kGroupLamps = 5, kHistory = 6;

  // curAxis is the shared current axis, read at every tick.
  MonitorPolling(WordReader& reader, MonitorView& view, const std::int16_t& curAxis,
                 LeadOf leadOf);

  // One timer tick: the link state word, then, with the serial side online, the step PollStep
  // names. A word that does not arrive ends the tick with the serial side shown offline; the
  // same step runs again on the next tick.
  void Tick();

  // The position unit of `axis`: type code and scale factors, each read twice until both reads
  // agree. False when they did not arrive (or kept changing); ticks then try again before their
  // step, so no position shows in the unit of another axis.
  bool SetAxisUnit(std::int16_t axis);

  std::int16_t PollStep() const { return pollStep_; }
  std::int16_t HistoryIndex() const { return historyIndex_; }
  const PositionUnit& Unit() const { return unit_; }

 private:
  std::optional<std::int32_t> Read(std::uint16_t address);
  std::optional<std::int32_t> ReadTwiceAlike(std::int16_t axis, std::uint16_t address);
  // Runs the step of PollStep; false when its word did not arrive.
  bool RunStep();
  std::uint16_t StepAddress(std::int16_t step) const;
  // Shows the word a step read; the step to run next.
  std::int16_t ShowStep(std::int16_t step, std::int32_t word);
  std::int16_t ShowStatus(std::uint32_t word);
  void ShowHistoryEntry(std::uint32_t word);

  WordReader& reader_;
  MonitorView& view_;
  const std::int16_t& curAxis_;
  LeadOf leadOf_;
  std::int16_t pollStep_ = kStatus;
  std::int16_t historyIndex_ = 0;
  PositionUnit unit_;
  std::optional<std::int16_t> unitPending_;  // the axis whose unit set-up is still to finish
};

}  // namespace editors
