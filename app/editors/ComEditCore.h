#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "axisdata/AxisData.h"
#include "axisdata/EditorViews.h"
#include "axisdata/UnitControls.h"
#include "editors/EditorText.h"
#include "editors/PointEditorSetup.h"
#include "editors/WrittenTexts.h"

// The common-parameter editor without its window: it reads an axis's common block into the
// editor's fields and sets the program's unit state for that axis (the unit set-up every
// converting window relies on), applies the user's edits and stores the fields back. It works
// whether the window FormComEdit is loaded or not; the window only copies the fields onto its
// controls and hands the user's typing and clicks back.
namespace editors {

// Entries of the coordinate-type list (ComboType).
enum TypeIndex : int { kLinearType = 0, kRotaryType = 1, kPulseType = 2 };

// What the editor shows, control by control.
struct ComEditFields {
  std::string axisNumber;  // LblAxNum, hexadecimal
  std::string typeName;    // LblTypeName
  int typeIndex = -1;      // ComboType
  int decimalsIndex = -1;  // ComboReso: decimals of FormatPulses
  bool listsEnabled = true;                    // ComboType and ComboReso
  std::string lead, unit, resolution;          // Text7(0), Text7(1), Text8
  std::string fwdLimit, rvsLimit;              // TextFwdLimit, TextRvsLimit
  bool limitsShown = true;                     // with their captions and unit labels
  std::string stroke;                          // Text5
  bool strokeShown = false;                    // with Label29 and LblUnit4
  bool strokeEditable = false;                 // only a catalogue model applies a stroke
  std::string fwdZone, rvsZone;                // FwdZoneTxt, RvsZoneTxt
  std::vector<std::string> homeItems;          // CmbHomeSel
  int homeIndex = -1;
  bool homeListShown = false;
  bool homeListEnabled = false;
  std::string homeCaption;                     // LblHomeSel
  bool homingShown = false;                    // Frame3: home speed, acceleration, current
  bool pushShown = false;                      // LblODPW, Text3, Label5
  std::string homeSpeed, homeAcc;              // TxtHomeVel, TxtHomeAcc
  std::string accUnit;                         // LblHAccUnit
  std::string homeCurrent;                     // Text3, percent
  bool interlock = false;                      // CheckILK
  bool interlockShown = false;
  std::string unitLabel;  // LblUnit4 .. LblUnit8, LblUnit12: the unit box text of the last set-up

  bool operator==(const ComEditFields&) const = default;
};

// The boxes the user types into.
enum class ComBox { FwdLimit, RvsLimit, Stroke, FwdZone, RvsZone, HomeSpeed, HomeCurrent };
inline constexpr int kComBoxes = 7;

// Told when the fields changed; the window implements it.
class ComEditView {
 public:
  virtual ~ComEditView() = default;
  virtual void ShowComParam() = 0;
};

// Word 57 holds the homing current with this value as 100 %; the editor reads and writes it
// with the same scale, so a current that is stored again unchanged keeps its word.
inline constexpr double kHomeCurrentFullScale = 224;

class ComEditCore : public axisdata::ComParamView, public axisdata::UnitControls {
 public:
  ComEditCore() = default;
  ComEditCore(const ComEditCore&) = delete;
  ComEditCore& operator=(const ComEditCore&) = delete;

  // AxNum: CurAxis := axis, the axis number and model name captions, then ReadComParam(axis).
  void SetAxNum(std::int16_t axis);
  std::int16_t AxNum() const;

  // Fills the fields from the axis's common block (axis 0-16) and sets the unit state, the
  // single-point editor's set-up and LimitMargin for it. A lead or resolution of 0 is refused
  // with a message and leaves the previous lead, resolution and unit per pulse in force.
  void ReadComParam(std::int16_t axis) override;
  // Fills the home-mode list for the current CatalogueModel and selects HomeMode.
  void SetHomeSel();
  // Takes lead and resolution from the fields and recomputes the unit state (RefreshUnits).
  void SetupLead();

  // The user's edits. SetText keeps a typed text without acting on it; CommitBox runs the box's
  // rule on Enter and when the box loses focus (limits and zones set the shared values, the
  // stroke sets the limits); a text that is no number leaves everything as it was. A box that
  // still shows what the editor wrote into it stands for the value it was written from, so an
  // unchanged box never stores its rounding, and an unchanged stroke moves no limit.
  void SetText(ComBox box, std::string text);
  void CommitBox(ComBox box);
  void ComboType_Click(int index);
  void ComboReso_Click(int index);
  void CmbHomeSel_Click(int index);
  void CheckILK_Click(bool checked);
  // OK: takes the limits and zones from their boxes, refreshes the units and stores the block
  // of CurAxis. A box that cannot be converted refuses the whole store with a message naming
  // it; false then.
  bool CmdConf_Click();

  const ComEditFields& Fields() const { return fields_; }
  const PointEditorSetup& PointSetup() const { return point_; }
  bool IsRotary() const { return fields_.typeIndex == kRotaryType; }
  std::int16_t HomeMode() const { return homeMode_; }
  std::int32_t FwdZonePulses() const { return fwdZone_; }
  std::int32_t RvsZonePulses() const { return rvsZone_; }
  std::int32_t StrokeMaxPulses() const { return strokeMax_; }

  // The window and the single-point editor (nullptr removes them). A view shows the present
  // fields or set-up when it registers; from then on it is told, once an operation is over,
  // whenever they changed.
  void SetView(ComEditView* view);
  void SetPointView(PointEditorView* view);
  // Back to the state before any axis was read; the views stay.
  void Reset();

  // The controls the unit conversions write (axisdata::UnitControls).
  int DisplayDecimals() const override { return fields_.decimalsIndex; }
  void SetSliderScale(int slider, int minimum, int maximum, int step) override;
  void ShowLimits(const std::string& forward, const std::string& reverse) override;
  void SelectHomeSide(int index) override;
  void ShowStroke(const std::string& stroke) override;
  void ShowAccUnit(const std::string& unit) override;

 private:
  // Groups changes so the views are told once, when the outermost operation ends.
  class Batch {
   public:
    explicit Batch(ComEditCore& core);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    ComEditCore& core_;
  };

  // Word 40 bit of the interlock.
  static constexpr std::int32_t kInterlockBit = 8;
  // The home lists with the home-mode word (word 38) of each entry: user types, and the home
  // end of a catalogue model. User entries 1-4 move to home, 3 and 4 against a stopper with the
  // push current.
  struct HomeEntry {
    EditorTxt item;
    std::int32_t mode;
  };
  static constexpr HomeEntry kUserHomes[] = {
      {EditorTxt::HomeAtCurrent, 0},    {EditorTxt::HomeInhPlusEdge, 5},
      {EditorTxt::HomeInhMinusEdge, 6}, {EditorTxt::HomeStopperPlus, 7},
      {EditorTxt::HomeStopperMinus, 8},
  };
  static constexpr HomeEntry kCatalogueHomes[] = {{EditorTxt::HomeForwardEnd, 8},
                                                  {EditorTxt::HomeReverseEnd, 7}};
  static constexpr int kFirstPushHomeEntry = 3;
  static constexpr int kReverseEndEntry = 1;

  // The stored values the boxes convert to.
  struct BoxValues {
    std::int32_t fwdLimit, rvsLimit, fwdZone, rvsZone, homeSpeed, homeCurrent;
  };

  void TellViews();
  void SetUpPulseMotor();
  void SetUpRotary(int code, int expansionByte);
  void SetUpLinear(int code, int expansionByte);
  void SetUpTypeTail(int code);
  void ReadLimitsAndZones(const axisdata::AxisWords& words);
  void ShowZones();
  void TypeChanged();
  void RefreshUnits();
  void ApplyStroke();
  void ShowLimitPulses(ComBox box, std::int64_t pulses);
  void ShowMirrored(ComBox box, double number, std::optional<std::int32_t> other);
  std::optional<BoxValues> ReadBoxes();
  bool StoreComParam(std::int16_t axis);
  std::string& Text(ComBox box);
  // The box's text and the value it stands for from now on.
  void Show(ComBox box, std::string text, std::int32_t value);
  // The value the box was written from, while it still shows that text.
  std::optional<std::int32_t> UnchangedValue(ComBox box);
  // The box's value: its unchanged value, else its text converted (which throws
  // ConversionError for a text that is no value).
  template <class Convert>
  std::int32_t BoxValue(ComBox box, Convert convert);

  ComEditFields fields_;
  PointEditorSetup point_;
  std::int16_t homeMode_ = 0;
  std::int32_t fwdZone_ = 0;
  std::int32_t rvsZone_ = 0;
  std::int32_t strokeMax_ = 0;
  WrittenTexts<kComBoxes> written_;

  ComEditView* view_ = nullptr;
  PointEditorView* pointView_ = nullptr;
  ComEditFields shownFields_;      // as the view was last told
  PointEditorSetup shownPoint_;
  int batchDepth_ = 0;
};

// The program's one common-parameter set-up: the one FormComEdit shows, that data files and
// transfers reach as ReadComParam, and that the single-point editor and the grid read (kind of
// axis, unit texts, slider set-up, LimitMargin).
ComEditCore& ComEdit();

// Makes ComEdit() the program's unit set-up (ComParamView) and the controls the unit
// conversions write (UnitControls); Uninstall removes both registrations.
void InstallComEdit();
void UninstallComEdit();

}  // namespace editors
