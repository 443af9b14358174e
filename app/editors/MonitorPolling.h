#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "editors/MonitorLamps.h"
#include "editors/MonitorUnit.h"

// The run-status monitor's polling: one gateway word per timer tick after the link state word,
// in a cycle of seven steps over the shown axis's status, alarm address, point numbers,
// position, the all-axes lamps and the alarm history. Without Qt: the window implements the
// view and gives the reader and the line.
namespace editors {

// Reads single gateway words.
class WordReader {
 public:
  virtual ~WordReader() = default;
  // The word at `address`, read for `axis`; nothing when it did not arrive in time.
  virtual std::optional<std::int32_t> Read(std::int16_t axis, std::uint16_t address) = 0;
};

// The serial line under the reads.
class SerialLine {
 public:
  enum class Reopening {
    Opened,
    NoDevice,  // the port's device is not there, so it was not tried
    Failed,    // tried, and not opened: that took the library's open wait (about 5 s)
  };

  virtual ~SerialLine() = default;
  // The library has lost the line (its port went away while open).
  virtual bool Lost() = 0;
  // Opens the lost line again. While the library tries, window events run (ticks among them).
  virtual Reopening Reopen() = 0;
};

// What the monitor shows; its window implements it.
class MonitorView {
 public:
  virtual ~MonitorView() = default;
  // The gateway does not answer: every lamp and value marks its last reading as not current,
  // until the next Show of it.
  virtual void ShowStale() = 0;
  // The line was lost and could not be opened again.
  virtual void TellLineLost() = 0;
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

  // A lost line whose device is there but did not open is tried again after this many ticks:
  // each try takes the library's open wait (about 5 s), during which the window repaints but
  // takes no command. About 15 s at the window's 10 ms. A device that is not there is looked
  // for again on the next tick: that costs nothing.
  static constexpr int kReopenPauseTicks = 1500;

  // curAxis is the shared current axis, read at every tick.
  MonitorPolling(WordReader& reader, SerialLine& line, MonitorView& view,
                 const std::int16_t& curAxis, LeadOf leadOf);

  // One timer tick: the link state word, then, with the serial side online, the step PollStep
  // names. A tick that shows no new word (one did not arrive, or the serial side is offline)
  // shows the serial side offline, the fieldbus too when the link state word did not arrive,
  // and the picture stale; the same step runs again on the next tick. A lost line is opened
  // again first (see kReopenPauseTicks); the first failure after each loss is told. A tick that
  // comes while a loop runs (the reopen of an earlier tick lets events run) does nothing: ticks
  // never nest, and nothing else calls the link library while it opens the port.
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
  // False while the line is lost and was not opened again.
  bool LineOpen();
  // Nothing came from the gateway: neither of its links is known to be online.
  void ShowSilent();
  // The serial side offline, and the picture stale (told once until a step's word arrives).
  void ShowNotCurrent();
  std::optional<std::int32_t> ReadTwiceAlike(std::int16_t axis, std::uint16_t address);
  // Runs the step of PollStep; false when its word did not arrive.
  bool RunStep();
  std::uint16_t StepAddress(std::int16_t step) const;
  // Shows the word a step read; the step to run next.
  std::int16_t ShowStep(std::int16_t step, std::int32_t word);
  std::int16_t ShowStatus(std::uint32_t word);
  void ShowHistoryEntry(std::uint32_t word);

  WordReader& reader_;
  SerialLine& line_;
  MonitorView& view_;
  const std::int16_t& curAxis_;
  LeadOf leadOf_;
  std::int16_t pollStep_ = kStatus;
  std::int16_t historyIndex_ = 0;
  PositionUnit unit_;
  std::optional<std::int16_t> unitPending_;  // the axis whose unit set-up is still to finish
  bool stale_ = false;      // shown stale, and no step's word has arrived since
  int reopenPause_ = 0;     // ticks before the lost line is tried again
  bool lossTold_ = false;   // the user knows that the line could not be opened again
};

}  // namespace editors
