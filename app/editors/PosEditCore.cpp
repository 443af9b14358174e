// The single-point editor's rows and check boxes: slider scalings, typed values, soft-limit
// checks and the dependencies between the options.
#include "editors/PosEditCore.h"

#include <algorithm>
#include <cmath>

#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"
#include "editors/ComEditCore.h"
#include "editors/EditorText.h"
#include "editors/NotStored.h"
#include "editors/PosEditNumbers.h"
#include "platform/UiServices.h"

namespace editors {

namespace {

using namespace axisdata;

// A slider's 32767 steps stand for this many parts of its range.
constexpr double kSliderParts = 32768;

// Ticking the pusher sets this push amount; unticking it on a point loaded as a push point
// sets this in-position width.
constexpr double kPushAmountPulses = 32767;
constexpr double kResetWidthPulses = 4;

std::string CodeText(int row, double code) {
  return row == kSpeedRow ? SpeedCodeToText(code) : AccCodeToText(code);
}

}  // namespace

PosEditCore::Operation::Operation(PosEditCore& core) : core_(core) { ++core_.depth_; }

PosEditCore::Operation::~Operation() {
  if (--core_.depth_ == 0) core_.Finish();
}

PosEditCore::PosEditCore() {
  fields_.axisNumber = HexText(CurAxis);
  fields_.pointNumber = HexText(CurPoint);
  fields_.pageNumber = HexText(CurPage);
  fields_.slider[kGainRow].maximum = kGainMaximum;
  ApplySetup(ComEdit().PointSetup());
  shown_ = Fields();
}

void PosEditCore::SetView(PosEditView* view) {
  view_ = view;
  shown_ = Fields();
}

void PosEditCore::ShowPointSetup(const PointEditorSetup& setup) {
  const Operation op(*this);
  ApplySetup(setup);
}

// The set-up is taken again after every operation: the conversions the operation ran may have
// changed it (the acceleration unit), whether or not the core is registered for its changes.
void PosEditCore::Finish() {
  ApplySetup(ComEdit().PointSetup());
  if (!view_) return;
  PosEditFields fields = Fields();
  if (fields == shown_) return;
  shown_ = std::move(fields);
  view_->ShowPosEdit();
}

void PosEditCore::ApplySetup(const PointEditorSetup& setup) {
  for (const int row : {kPositionRow, kInPosRow}) {
    PosSlider& slider = fields_.slider[row];
    slider.minimum = setup.positionSliders[row].minimum;
    slider.maximum = setup.positionSliders[row].maximum;
    slider.step = setup.positionSliders[row].step;
  }
  fields_.slider[kSpeedRow].maximum = setup.speedMaximum;
  fields_.slider[kAccRow].maximum = setup.accMaximum;
  fields_.slider[kCurrentRow].maximum = setup.thrustMaximum;
  for (const PosRow row : kUsedRows) SetSlider(row, fields_.slider[row].value);
  fields_.currentCaption = setup.row4Caption;
  fields_.stopFwdCaption = setup.stopFwdCaption;
  fields_.stopRvsCaption = setup.stopRvsCaption;
  fields_.positionUnit = setup.positionUnit;
  fields_.accUnit = setup.accUnit;
}

PosEditFields PosEditCore::Fields() const {
  PosEditFields fields = fields_;
  if (pageLocked_) {
    // An extended point has only a position and a speed; the rest is the base point's.
    for (const int row : {kInPosRow, kAccRow, kCurrentRow, kGainRow}) {
      fields.slider[row].enabled = fields.valueEnabled[row] = false;
    }
    fields.unitValueEnabled[kInPosRow] = false;
    fields.incre.enabled = fields.accel.enabled = fields.stopper.enabled = false;
    fields.stopDirEnabled = false;
  }
  return fields;
}

// ---- Sliders and texts ------------------------------------------------------------------------

double PosEditCore::ClampToIntRange(double x) {
  if (!(x >= 0)) return 0;
  return std::min(x, static_cast<double>(kSliderMaximum));
}

std::int32_t PosEditCore::PositionFromSlider() const {
  const double value = fields_.slider[kPositionRow].value;
  return SaturateToInt32(fields_.incre.checked ? value * SliderSpan * 2 / kSliderParts - LimitSpan()
                                               : value * SliderSpan / kSliderParts + SliderOffset);
}

std::int32_t PosEditCore::InPosFromSlider() const {
  const std::int32_t width =
      SaturateToInt32(fields_.slider[kInPosRow].value * InpSliderScale / kSliderParts);
  return width > 0 ? width : 1;
}

void PosEditCore::SetSlider(int row, double value) {
  PosSlider& slider = fields_.slider[row];
  slider.value =
      static_cast<int>(std::clamp(value, static_cast<double>(slider.minimum),
                                  static_cast<double>(std::max(slider.minimum, slider.maximum))));
}

// Text2_Change: the position and in-position rows show their value in the display unit too,
// and Text4 stands for the pulses of Text2.
void PosEditCore::ShowValue(int row, std::string text) {
  if (row < kUnitRows) {
    const double pulses = NumberOrZero(text);
    std::string unit = FormatPulses(pulses);
    written_.Wrote(kUnitBox + row, unit, SaturateToInt32(pulses));
    if (unit != fields_.unitValue[row]) fields_.unitValue[row] = std::move(unit);
  }
  fields_.value[row] = std::move(text);
}

void PosEditCore::SetValue(int row, std::string text) {
  written_.Forget(row);
  ShowValue(row, std::move(text));
}

void PosEditCore::WriteValue(int row, std::string text, std::int32_t value) {
  written_.Wrote(row, text, value);
  ShowValue(row, std::move(text));
}

void PosEditCore::HScroll2_Change(int row, int value) {
  const Operation op(*this);
  beforeTyping_[row].reset();
  SetSlider(row, value);
  const int shown = fields_.slider[row].value;
  switch (row) {
    case kPositionRow:
      SetValue(row, FormatSignPlace(PositionFromSlider()));
      break;
    case kInPosRow:
      SetValue(row, FormatSignPlace(InPosFromSlider()));
      break;
    case kSpeedRow:
    case kAccRow:
      WriteValue(row, CodeText(row, shown), shown);  // the code the user chose, not its rounding
      break;
    case kCurrentRow:
    case kGainRow:
      SetValue(row, FormatSignPlace(shown));
      break;
    default:
      break;
  }
}

void PosEditCore::SetText(int row, std::string text) {
  const Operation op(*this);
  RememberBeforeTyping(row);
  ShowValue(row, std::move(text));
}

void PosEditCore::RememberBeforeTyping(int row) {
  if (beforeTyping_[row]) return;
  beforeTyping_[row] = fields_.value[row];
}

bool PosEditCore::RefusedNoNumber(int row, const std::string& typed) {
  std::optional<std::string> before = std::move(beforeTyping_[row]);
  beforeTyping_[row].reset();
  if (IsNumber(typed)) return false;
  TellNotStored(RowCaption(row), typed);
  if (before) ShowValue(row, std::move(*before));  // Text4 follows it again
  return true;
}

std::string PosEditCore::RowCaption(int row) const {
  switch (row) {
    case kPositionRow:
      return EditorText(EditorTxt::PositionCaption);
    case kInPosRow:
      return EditorText(EditorTxt::InPosCaption);
    case kSpeedRow:
      return EditorText(EditorTxt::SpeedCaption);
    case kAccRow:
      return EditorText(EditorTxt::AccCaption);
    case kCurrentRow:
      return fields_.currentCaption;
    case kGainRow:
      return EditorText(EditorTxt::GainCaption);
    default:
      return {};
  }
}

void PosEditCore::CommitText(int row) {
  const Operation op(*this);
  const std::string& text = fields_.value[row];
  if (RefusedNoNumber(row, text) || written_.ValueOf(row, text)) return;
  switch (row) {
    case kPositionRow:
      ShowPosition(NumberOrZero(text), fields_.incre.checked);
      break;
    case kInPosRow:
      SetInPosWidth(NumberOrZero(text));
      break;
    case kSpeedRow:
    case kAccRow:
      CommitCode(row, true);
      break;
    case kCurrentRow:
    case kGainRow:
      CommitNumber(row);
      break;
    default:
      break;
  }
}

void PosEditCore::SetUnitText(int row, std::string text) {
  const Operation op(*this);
  RememberBeforeTyping(row);
  fields_.unitValue[row] = std::move(text);
}

void PosEditCore::CommitUnitText(int row) {
  const Operation op(*this);
  const std::string& text = fields_.unitValue[row];
  if (RefusedNoNumber(row, text) || written_.ValueOf(kUnitBox + row, text)) return;
  const double pulses = CodeOrEnd(text, UnitToPulses);
  if (row == kPositionRow) ShowPosition(pulses, fields_.incre.checked);
  if (row == kInPosRow) SetInPosWidth(pulses);
}

void PosEditCore::SetTurns(std::string text) {
  const Operation op(*this);
  fields_.turns = std::move(text);
}

// Speed and acceleration: the slider holds the code of the text, clamped to its range. A
// clamped value, or a text that is no number, is written out again; `reformat` writes out every
// value in the unit's own format. A text written out stands for its code, which reading its
// rounding back might not give.
void PosEditCore::CommitCode(int row, bool reformat) {
  const auto convert = row == kSpeedRow ? TextToSpeedCode : TextToAccCode;
  const std::string& text = fields_.value[row];
  const double code = written_.ValueOr(
      row, text, [convert](const std::string& typed) { return CodeOrEnd(typed, convert); });
  SetSlider(row, code);
  const int shown = fields_.slider[row].value;
  if (reformat || shown != code || !IsNumber(text)) WriteValue(row, CodeText(row, shown), shown);
}

// Stop current and servo gain: the plain number, clamped to the slider's range.
void PosEditCore::CommitNumber(int row) {
  std::string& text = fields_.value[row];
  const double number = NumberOrZero(text);
  const PosSlider& slider = fields_.slider[row];
  const double clamped = std::clamp(number, static_cast<double>(slider.minimum),
                                    static_cast<double>(std::max(slider.minimum, slider.maximum)));
  SetSlider(row, RoundHalfEven(clamped));
  if (clamped != number || !IsNumber(text)) text = FormatSignPlace(clamped);
}

// ---- Position and in-position width -----------------------------------------------------------

void PosEditCore::Warn(const std::optional<LimitWarning>& warning) {
  if (!warning) return;
  platform::Ui().MessageBox(EditorText(warning->message), platform::MsgButtons::Ok,
                            platform::MsgIcon::Exclamation, EditorText(warning->title));
}

void PosEditCore::ShowPosition(double pos, bool relative) {
  const Operation op(*this);
  Warn(PlacePosition(pos, relative, 0));
}

void PosEditCore::CheckPosition(double pos, bool relative) {
  const Operation op(*this);
  const bool keepMargin = !relative && CatalogueModel;
  Warn(PlacePosition(pos, relative, keepMargin ? ComEdit().PointSetup().limitMargin : 0));
}

// A position beyond the range of the move calls for a warning; within it, a position closer to
// an end than `margin` is moved in silently. A position beyond an end lands `margin` inside it
// as well, so the clamped value never lies further out than one typed just inside the end.
std::optional<PosEditCore::LimitWarning> PosEditCore::PlacePosition(double pos, bool relative,
                                                                   double margin) {
  double low = FwdLimitPulses;
  double high = RvsLimitPulses;
  if (relative) {
    fields_.turnsShown = ComEdit().IsRotary() && fields_.incre.checked;
    high = LimitSpan();
    low = -high;
  } else {
    fields_.turnsShown = false;
    fields_.turns.assign(1, '0');
  }
  margin = std::min(margin, std::max(0.0, std::floor((high - low) / 2)));
  std::optional<LimitWarning> warning;
  if (pos > high) {
    warning = LimitWarning{EditorTxt::UpperLimitMessage, EditorTxt::UpperLimitTitle};
    pos = high - margin;
  } else if (pos < low) {
    warning = LimitWarning{EditorTxt::LowerLimitMessage, EditorTxt::LowerLimitTitle};
    pos = low + margin;
  } else {
    pos = std::min(std::max(pos, low + margin), high - margin);
  }
  const double slider = relative ? (LimitSpan() + pos) * kSliderParts / (2 * SliderSpan)
                                 : (pos - SliderOffset) * kSliderParts / SliderSpan;
  SetSlider(kPositionRow, RoundHalfEven(ClampToIntRange(slider)));
  SetValue(kPositionRow, FormatSignPlace(RoundHalfEven(pos)));
  return warning;
}

// The width is held in steps of the slider (InpSliderScale / 32768 pulses), at least one step:
// a small width typed on a long span keeps a width above 0.
void PosEditCore::SetInPosWidth(double width) {
  const Operation op(*this);
  const double scale = InpSliderScale;
  const PosSlider& slider = fields_.slider[kInPosRow];
  const double widest = slider.maximum * scale / kSliderParts;
  if (width > widest) {
    SetSlider(kInPosRow, slider.maximum);
    SetValue(kInPosRow, FormatSignPlace(RoundHalfEven(widest)));
    return;
  }
  if (width < 0) {
    SetSlider(kInPosRow, slider.minimum);
    SetValue(kInPosRow, FormatSignPlace(1));
    return;
  }
  const double steps = RoundHalfEven(ClampToIntRange(width * kSliderParts / scale));
  SetSlider(kInPosRow, steps > 0 ? steps : 1);
  // The width is whole pulses and stays what was stored or typed; the slider, whose steps may
  // be wider than a pulse, only follows it (a width shown in slider steps would change the
  // stored word on the next write although nobody touched it).
  SetValue(kInPosRow, FormatSignPlace(std::max(1.0, RoundHalfEven(width))));
}

// ---- Check boxes and options ------------------------------------------------------------------

void PosEditCore::CheckAccel_Click(bool checked) {
  const Operation op(*this);
  fields_.accel.checked = checked;
}

void PosEditCore::CheckIncre_Click(bool checked) {
  const Operation op(*this);
  fields_.incre.checked = checked;
  ShowPosition(NumberOrZero(fields_.value[kPositionRow]), checked);
}

void PosEditCore::CheckRotate_Click(bool checked) {
  const Operation op(*this);
  fields_.rotate.checked = checked;
  RotateClicked();
}

void PosEditCore::CheckStopper_Click(bool checked) {
  const Operation op(*this);
  fields_.stopper.checked = checked;
  StopperClicked();
}

void PosEditCore::SelectPushReverse(bool reverse) {
  const Operation op(*this);
  fields_.pushReverse = reverse;
}

void PosEditCore::SelectClockwise(bool clockwise) {
  const Operation op(*this);
  fields_.clockwise = clockwise;
}

// An endlessly rotating point has no target: its position, in-position width, relative move
// and pusher stand still.
void PosEditCore::RotateClicked() {
  PosEditFields& f = fields_;
  const bool rotating = f.rotate.checked;
  f.rotateDirShown = rotating;
  f.unitValueEnabled[kPositionRow] = f.slider[kPositionRow].enabled = !rotating;
  f.stopperFrameEnabled = f.stopper.enabled = !rotating;
  if (rotating) {
    f.incre.enabled = false;
    f.turnsShown = false;
    f.unitValueEnabled[kInPosRow] = f.slider[kInPosRow].enabled = false;
  } else if (!f.stopper.checked) {
    f.incre.enabled = true;
    f.turnsShown = ComEdit().IsRotary() && f.incre.checked;
    f.unitValueEnabled[kInPosRow] = f.slider[kInPosRow].enabled = true;
  }
}

// A push point shows its pusher force and push amount instead of the in-position width; it
// neither rotates nor, on a linear axis, moves relative.
void PosEditCore::StopperClicked() {
  PosEditFields& f = fields_;
  const bool pushing = f.stopper.checked;
  f.currentRowShown = pushing;
  f.inPosUnitShown = !pushing;
  f.stopDirEnabled = pushing;
  if (pushing) {
    f.incre.checked = false;
    f.incre.enabled = ComEdit().IsRotary();
    f.rotate.checked = f.rotate.enabled = false;
    f.clockwise = false;
    RotateClicked();
    SetPushAmount(kPushAmountPulses);
    return;
  }
  f.incre.enabled = f.rotate.enabled = true;
  RotateClicked();
  if (pushLoaded_) SetPushAmount(kResetWidthPulses);
  SetInPosWidth(NumberOrZero(f.value[kInPosRow]));
  pushLoaded_ = false;
}

// Row 1 from pulses the way the user would type them in the display unit.
void PosEditCore::SetPushAmount(double pulses) {
  fields_.unitValue[kInPosRow] = FormatPulses(pulses);
  SetValue(kInPosRow, FormatSignPlace(CodeOrEnd(fields_.unitValue[kInPosRow], UnitToPulses)));
}

}  // namespace editors
