#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "axisdata/Units.h"
#include "editors/EditorText.h"
#include "editors/PointEditorSetup.h"
#include "editors/PointModeFlags.h"
#include "editors/WrittenTexts.h"

// The single-point editor without its window: one positioning point of one axis with its
// position (absolute or relative, whole turns for rotary axes), in-position width or push amount,
// speed, acceleration, stop current, servo gain and mode options. Each number is held as a text
// and a slider position, the position and in-position width also in the axis's display unit.
// The core keeps the texts, clamps and soft-limit checks, the dependencies between the check
// boxes and the rows, and the load and store of the point; the window FormPosEdit only copies
// the fields onto its controls and hands the user's typing and clicks back.
namespace editors {

// Rows of the editor (Text2, HScroll2): row 5 has no controls.
enum PosRow : int {
  kPositionRow = 0,  // pulses
  kInPosRow = 1,     // in-position width or push amount, pulses
  kSpeedRow = 2,     // display units per second; the slider holds the speed code
  kAccRow = 3,       // G or r/min/ms; the slider holds the acceleration code
  kCurrentRow = 4,   // stop current or pusher force, percent
  kGainRow = 6,      // servo gain number
};
inline constexpr int kPosRows = 7;
inline constexpr PosRow kUsedRows[] = {kPositionRow, kInPosRow,   kSpeedRow,
                                       kAccRow,      kCurrentRow, kGainRow};
// Rows that also show their value in the display unit (Text4).
inline constexpr int kUnitRows = 2;

// The servo gain slider's range: the gain is a byte of the point record.
inline constexpr int kGainMaximum = 255;

// Fixed texts of the layout: the turns caption (Label19) also names the box in its message.
inline constexpr const char* kTurnsCaption = "Turns";

struct PosSlider {
  int value = 0;
  int minimum = 0;
  int maximum = axisdata::kSliderMaximum;
  int step = 1;
  bool enabled = true;

  bool operator==(const PosSlider&) const = default;
};

struct PosCheck {
  bool checked = false;
  bool enabled = true;
  bool shown = true;

  bool operator==(const PosCheck&) const = default;
};

// What the editor shows, control by control.
struct PosEditFields {
  std::string axisNumber, pointNumber, pageNumber;  // LblAxNum, LblPtNum, LblPgNum, hexadecimal
  bool pageShown = false;                           // LblPgCap, LblPgNum

  std::array<std::string, kPosRows> value;  // Text2
  std::array<bool, kPosRows> valueEnabled{true, true, true, true, true, true, true};
  std::array<PosSlider, kPosRows> slider;        // HScroll2
  std::array<std::string, kUnitRows> unitValue;  // Text4, display unit
  std::array<bool, kUnitRows> unitValueEnabled{true, true};
  std::string turns = "0";  // Text6
  bool turnsShown = false;  // Text6, Label19

  // The display-unit part of the in-position row: Label10(1), LblUnit10, LblDummy(0), Text4(1),
  // HScroll2(1). Hidden while the point pushes (Text2(1) then holds the push amount).
  bool inPosUnitShown = true;
  // Row 4: Label10(4), Label7, LblDummy(4), Text2(4), HScroll2(4); shown while the point pushes.
  bool currentRowShown = false;

  PosCheck accel;                   // CheckAccel
  PosCheck incre;                   // CheckIncre
  PosCheck rotate;                  // CheckRotate
  PosCheck stopper;                 // CheckStopper
  bool stopperFrameEnabled = true;  // FrameStopper
  bool stopDirEnabled = false;      // FrameStopDir, OptionStopFwd, OptionStopRvs
  bool pushReverse = false;         // OptionStopRvs selected, else OptionStopFwd
  bool rotateDirShown = false;      // OptCWRot, OptCCWRot
  bool clockwise = false;           // OptCWRot selected, else OptCCWRot

  // From the unit set-up of the axis.
  std::string currentCaption;                  // Label10(4)
  std::string stopFwdCaption, stopRvsCaption;  // OptionStopFwd, OptionStopRvs
  std::string positionUnit;                    // LblUnit9, LblUnit10; LblUnit11 per second
  std::string accUnit;                         // LblAcclUnit

  bool operator==(const PosEditFields&) const = default;
};

// Told when the fields changed; the window implements it.
class PosEditView {
 public:
  virtual ~PosEditView() = default;
  virtual void ShowPosEdit() = 0;
};

// How OK ended: the point written, the confirmation answered with Cancel, or a value refused
// with a message (the window stays open to mend it).
enum class WriteResult { Written, Cancelled, Refused };

class PosEditCore : public PointEditorView {
 public:
  // The designed state of the controls, with the set-up of the axis ComEdit() set up last.
  PosEditCore();
  PosEditCore(const PosEditCore&) = delete;
  PosEditCore& operator=(const PosEditCore&) = delete;

  // The properties work on the shared CurAxis, CurPage and CurPoint.
  // AxNum: CurAxis, the unit set-up of that axis and the axis caption; the point is not reread.
  void SetAxNum(std::int16_t axis);
  std::int16_t AxNum() const;
  // PgNum: CurPage := ClampPageNum(page) (a page the axis lacks is page 0), then the point.
  void SetPgNum(std::int16_t page);
  std::int16_t PgNum() const;
  // PointNum: CurPoint, then the point.
  void SetPointNum(std::int16_t point);
  std::int16_t PointNum() const;
  // Pages of every axis for AxisCount axes.
  std::int16_t MaxPage() const;

  // Fills the editor from the point (axis 0-16, point 0-15, page 0 or an extended page of the
  // axis; anything else is ignored). Pages 1 and above take position and speed from
  // ExtPointData, everything else from the base point, and lock the base point's rows until a
  // point of page 0 is read. A position beyond the soft limits is clamped; its warning waits for
  // Shown while the editor is not up yet.
  void ReadPointData(std::int16_t axis, std::int16_t point, std::int16_t page);
  // The editor is up. A caller loads the point several times before it shows the editor (PgNum,
  // PointNum and ReadPointData each load it, the first with the point selected before), so the
  // warning of the last load is given here, once per opening; later loads warn at once.
  void Shown();
  // Brings the fields into their ranges, asks for confirmation and writes the point, setting the
  // axis's or the extended points' bookkeeping flags. A row that holds no number, and whole
  // turns that would take the position beyond 32 bits or that are no number, are refused with a
  // message before anything is asked. A box that still shows what the editor wrote into it
  // stands for the value it was written from, so a point nobody touched is written as it was
  // read; a position still as loaded keeps its word, LimitMargin included.
  WriteResult WritePointData(std::int16_t axis, std::int16_t point, std::int16_t page);

  // The user's actions. SetText and SetUnitText keep a typed text (Text2 also refreshes the
  // Text4 of its row); CommitText and CommitUnitText apply the row's rules, on Enter and when the
  // box loses focus, to a box whose text differs from what the editor wrote. A typed text that
  // is no number is refused with a message, and the row shows again what it showed before the
  // typing.
  void HScroll2_Change(int row, int value);
  void SetText(int row, std::string text);
  void CommitText(int row);
  void SetUnitText(int row, std::string text);
  void CommitUnitText(int row);
  void SetTurns(std::string text);
  void CheckAccel_Click(bool checked);
  void CheckIncre_Click(bool checked);
  void CheckRotate_Click(bool checked);
  void CheckStopper_Click(bool checked);
  void SelectPushReverse(bool reverse);  // OptionStopRvs (true) or OptionStopFwd
  void SelectClockwise(bool clockwise);  // OptCWRot (true) or OptCCWRot

  // The rules the handlers share.
  // A computed slider position brought into 0-32767 (not a number gives 0).
  static double ClampToIntRange(double x);
  // Row 0 from a position: within the range of the move (the soft limits, or -R..R for a
  // relative move with R the span of the limits) as it is; beyond it warned about and clamped.
  void ShowPosition(double pos, bool relative);
  // ShowPosition before a write: an absolute position of a catalogue model also keeps
  // LimitMargin pulses inside the soft limits, silently where it lies within them.
  void CheckPosition(double pos, bool relative);
  // Row 1 from a width or push amount, in the in-position slider's steps.
  void SetInPosWidth(double width);
  std::int32_t PositionFromSlider() const;
  std::int32_t InPosFromSlider() const;

  // The caption of the row (Label10): row 4 names the stop current or the pusher force, as the
  // unit set-up of the axis says; row 5 has none.
  std::string RowCaption(int row) const;

  // The fields as shown: on an extended page the base point's rows stay locked.
  PosEditFields Fields() const;
  bool PushLoaded() const { return pushLoaded_; }

  // The window (nullptr removes it): told, once an operation is over, whenever the fields as
  // shown changed.
  void SetView(PosEditView* view);
  // The unit set-up changed (registered with ComEdit().SetPointView).
  void ShowPointSetup(const PointEditorSetup& setup) override;

 private:
  // Groups changes so the view is told once, when the outermost operation ends.
  class Operation {
   public:
    explicit Operation(PosEditCore& core);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

   private:
    PosEditCore& core_;
  };

  // The message of a position beyond the range of its move.
  struct LimitWarning {
    EditorTxt message, title;
  };

  // The values a write stores.
  struct PointWords {
    std::int32_t position, inPos, speed, acc, current, gain, mode;
  };

  void Finish();
  void ApplySetup(const PointEditorSetup& setup);
  // Row 0 from the position, clamped to the range of the move; the warning it calls for, if any.
  std::optional<LimitWarning> PlacePosition(double pos, bool relative, double margin);
  static void Warn(const std::optional<LimitWarning>& warning);
  // Text2 of the row as typed (and Text4 from it).
  void ShowValue(int row, std::string text);
  // Text2 of the row written by the editor: SetValue a number that stands for what it shows,
  // WriteValue a text that stands for `value` (which reading the text back might not give).
  void SetValue(int row, std::string text);
  void WriteValue(int row, std::string text, std::int32_t value);
  void RememberBeforeTyping(int row);
  // True, after a message and with the row's texts as before the typing, when `typed` (the
  // row's Text2 or Text4) is no number; a number makes the typing the row's own.
  bool RefusedNoNumber(int row, const std::string& typed);
  void SetSlider(int row, double value);
  void CommitCode(int row, bool reformat);
  void CommitNumber(int row);
  void RotateClicked();
  void StopperClicked();
  void SetPushAmount(double pulses);
  void LoadMode(const PointMode& mode);
  bool CheckTurns(std::int32_t position, std::int64_t& turnsPulses) const;
  bool ComputeWords(PointWords& words) const;
  PointMode ModeOfControls() const;

  PosEditFields fields_;
  bool pushLoaded_ = false;  // PushLoaded: the point was loaded as a push point
  bool pageLocked_ = false;  // the last point read lies on an extended page
  bool up_ = false;          // the editor is shown (Shown)
  std::optional<LimitWarning> loadWarning_;  // of the last load, held until the editor is up
  std::array<std::optional<std::string>, kPosRows> beforeTyping_;  // Text2 before the typing
  // Text2 by row, then Text4 by row (kUnitBox + row), then Text6 (kTurnsBox). A position or
  // width stands for a value only as the load wrote it: its record tells whether the row still
  // shows the stored word.
  static constexpr std::size_t kUnitBox = kPosRows;
  static constexpr std::size_t kTurnsBox = kPosRows + kUnitRows;
  WrittenTexts<kTurnsBox + 1> written_;

  PosEditView* view_ = nullptr;
  PosEditFields shown_;
  int depth_ = 0;
};

}  // namespace editors
