// The single-point editor's properties, and a point record into the editor and back.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "axisdata/AxisData.h"
#include "axisdata/ConversionError.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/TextRoutines.h"
#include "editors/ComEditCore.h"
#include "editors/EditorText.h"
#include "editors/NotStored.h"
#include "editors/PosEditCore.h"
#include "editors/PosEditNumbers.h"
#include "platform/UiServices.h"

namespace editors {

namespace {

using namespace axisdata;

// Whole turns of a rotary relative move count only on spans below this many pulses.
constexpr double kTurnsSpanLimit = 1073741824;
// The push amount of a rotary point that pushes in a relative move.
constexpr std::int32_t kRelativePushAmount = 200000;
// SPOW holds the stop current with this value as 100 %.
constexpr double kCurrentFullScale = 180;

// Where a point's words lie: the base point in AxisData and, on pages 1 and above, the index of
// its position word in ExtPointData (the speed word follows). Nothing for arguments that address
// no point.
struct PointPlace {
  std::optional<int> extIndex;
};

std::optional<PointPlace> Locate(std::int16_t axis, std::int16_t point, std::int16_t page) {
  if (axis < 0 || axis >= kAxisSlots || point < 0 || point >= kBasePoints || page < 0) {
    return std::nullopt;
  }
  PointPlace place;
  if (page == 0) return place;
  try {
    place.extIndex = ExtPointIndex(page, axis, point);
  } catch (const ExtPointIndexError&) {
    return std::nullopt;
  }
  return place;
}

void RefuseTurns(const std::string& turns) { TellNotStored(kTurnsCaption, turns); }

// The word of a stop current in percent.
std::int32_t CurrentWord(double percent) {
  return SaturateToInt32(percent * kCurrentFullScale / 100);
}

std::int32_t WholeNumber(const std::string& text) { return SaturateToInt32(NumberOrZero(text)); }

std::int32_t WithinInt32(std::int64_t x) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      x, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

// ---- Properties -------------------------------------------------------------------------------

void PosEditCore::SetAxNum(std::int16_t axis) {
  const Operation op(*this);
  CurAxis = axis;
  ComEdit().ReadComParam(CurAxis);
  fields_.axisNumber = HexText(CurAxis);
}

std::int16_t PosEditCore::AxNum() const { return CurAxis; }

void PosEditCore::SetPgNum(std::int16_t page) {
  const Operation op(*this);
  CurPage = ClampPageNum(page);
  ReadPointData(CurAxis, CurPoint, CurPage);
  fields_.pageNumber = HexText(CurPage);
}

std::int16_t PosEditCore::PgNum() const { return CurPage; }

void PosEditCore::SetPointNum(std::int16_t point) {
  const Operation op(*this);
  CurPoint = point;
  ReadPointData(CurAxis, CurPoint, CurPage);
  fields_.pointNumber = HexText(CurPoint);
}

std::int16_t PosEditCore::PointNum() const { return CurPoint; }

std::int16_t PosEditCore::MaxPage() const { return PagesPerAxis(AxisCount); }

// ---- Point to editor --------------------------------------------------------------------------

void PosEditCore::ReadPointData(std::int16_t axis, std::int16_t point, std::int16_t page) {
  const std::optional<PointPlace> place = Locate(axis, point, page);
  if (!place) return;
  const Operation op(*this);
  beforeTyping_ = {};
  written_ = {};
  ComEdit().ReadComParam(axis);
  ApplySetup(ComEdit().PointSetup());
  const auto base = PointValue(AxisData[axis], point);
  const bool rotary = ComEdit().IsRotary();
  fields_.rotate.shown = rotary || AxisData[axis][kTypeCodeWord] == 0;
  const PointMode mode = DecodePointMode(base[kMXAC]);

  double position = place->extIndex ? ExtPointData[*place->extIndex] : base[kPCMD];
  fields_.turnsShown = rotary && mode.relative;
  // Turns only where a write adds them back, so an unchanged point is written as it was read.
  // The count is shown whole, beyond 16 bits too.
  const double span = LimitSpan();
  double turns = 0;
  if (fields_.turnsShown && span < kTurnsSpanLimit) {
    turns = std::trunc(position / (span + 1));
    position -= (span + 1) * turns;
  }
  fields_.turns = FormatWhole(turns);
  loadWarning_ = PlacePosition(position, mode.relative, 0);
  if (up_) Warn(std::exchange(loadWarning_, std::nullopt));
  SetInPosWidth(base[kINP]);

  const auto load = [this](int row, double value) {
    const PosSlider& slider = fields_.slider[row];
    ClampValue(value, slider.minimum, slider.maximum);
    SetSlider(row, std::floor(value));
    return value;
  };
  // Speed and acceleration show their codes rounded to the unit's decimals.
  const double speed = load(kSpeedRow, place->extIndex ? ExtPointData[*place->extIndex + 1]
                                                        : base[kVCMD]);
  WriteValue(kSpeedRow, SpeedCodeToText(speed), SaturateToInt32(speed));
  const double acc = load(kAccRow, base[kACMD]);
  WriteValue(kAccRow, AccCodeToText(acc), SaturateToInt32(acc));
  const double current = load(kCurrentRow, base[kSPOW] * 100.0 / kCurrentFullScale);
  WriteValue(kCurrentRow, FormatSignPlace(current), CurrentWord(current));
  const double gain = load(kGainRow, base[kPLG0]);
  WriteValue(kGainRow, FormatSignPlace(gain), SaturateToInt32(gain));

  LoadMode(mode);
  // The turns, the position and the width as loaded (clamped into their ranges) stand for what
  // they show; a width of 0 shows as the least width, 1 pulse, and stays 0 unless changed. A push
  // point shows its push amount instead of its width.
  const std::string& shownPosition = fields_.value[kPositionRow];
  const std::string& shownWidth = fields_.value[kInPosRow];
  written_.Wrote(kTurnsBox, fields_.turns, WholeNumber(fields_.turns));
  written_.Wrote(kPositionRow, shownPosition, WholeNumber(shownPosition));
  if (!mode.pusher) {
    written_.Wrote(kInPosRow, shownWidth, base[kINP] == 0 ? 0 : WholeNumber(shownWidth));
  }
  pageLocked_ = place->extIndex.has_value();
  fields_.pageShown = true;
}

void PosEditCore::Shown() {
  up_ = true;
  Warn(std::exchange(loadWarning_, std::nullopt));
}

// The mode flags onto the check boxes and options, with the handlers the changes run.
void PosEditCore::LoadMode(const PointMode& mode) {
  fields_.rotate.checked = mode.rotate;
  fields_.clockwise = mode.clockwise;
  RotateClicked();
  fields_.incre.checked = mode.relative;
  fields_.pushReverse = mode.pushReverse;
  fields_.stopper.checked = mode.pusher;
  pushLoaded_ = mode.pusher;
  StopperClicked();
  fields_.accel.checked = mode.maxAccel;
}

// ---- Editor to point --------------------------------------------------------------------------

WriteResult PosEditCore::WritePointData(std::int16_t axis, std::int16_t point, std::int16_t page) {
  const std::optional<PointPlace> place = Locate(axis, point, page);
  if (!place) return WriteResult::Cancelled;
  const Operation op(*this);
  // A typing not yet committed is taken as a commit takes it.
  for (const PosRow row : kUsedRows) {
    if (RefusedNoNumber(row, fields_.value[row])) return WriteResult::Refused;
  }
  // The load brought the position and width as loaded into their ranges already; the margin
  // inside the limits is kept by a position the user chose.
  const std::string& position = fields_.value[kPositionRow];
  if (!written_.ValueOf(kPositionRow, position)) {
    CheckPosition(NumberOrZero(position), fields_.incre.checked);
  }
  const std::string& width = fields_.value[kInPosRow];
  if (!written_.ValueOf(kInPosRow, width)) SetInPosWidth(NumberOrZero(width));
  CommitCode(kSpeedRow, false);
  CommitCode(kAccRow, false);
  CommitNumber(kCurrentRow);
  CommitNumber(kGainRow);

  PointWords words{};
  if (!ComputeWords(words)) return WriteResult::Refused;
  const platform::MsgAnswer answer = platform::Ui().MessageBox(
      EditorText(EditorTxt::StoreQuestion), platform::MsgButtons::OkCancel,
      platform::MsgIcon::Information, EditorText(EditorTxt::Store));
  if (answer != platform::MsgAnswer::Ok) return WriteResult::Cancelled;

  const auto base = PointValue(AxisData[axis], point);
  if (place->extIndex) {
    ExtPointData[*place->extIndex] = words.position;
    ExtPointData[*place->extIndex + 1] = words.speed;
  } else {
    base[kPCMD] = words.position;
    base[kVCMD] = words.speed;
  }
  base[kINP] = words.inPos;
  base[kACMD] = words.acc;
  base[kSPOW] = words.current;
  base[kPLG0] = words.gain;
  base[kMXAC] = words.mode;
  if (place->extIndex) {
    XepUnsaved = XepUnsent = true;
  } else {
    AxisUnsaved[axis] = AxisUnsent[axis] = true;
  }
  return WriteResult::Written;
}

// The pulses the whole turns add to a rotary relative move. A count that is no whole 32-bit
// number, or one that takes the position beyond 32 bits, is refused with a message.
bool PosEditCore::CheckTurns(std::int32_t position, std::int64_t& turnsPulses) const {
  turnsPulses = 0;
  const double span = LimitSpan();
  if (!ComEdit().IsRotary() || span >= kTurnsSpanLimit) return true;
  std::int32_t turns = 0;
  try {
    const auto count = [](const std::string& text) { return RoundToInt32(ParseNumber(text)); };
    turns = written_.ValueOr(kTurnsBox, fields_.turns, count);
  } catch (const ConversionError&) {
    RefuseTurns(fields_.turns);
    return false;
  }
  turnsPulses = static_cast<std::int64_t>(turns) * (static_cast<std::int64_t>(span) + 1);
  if (WithinInt32(position + turnsPulses) != position + turnsPulses) {
    RefuseTurns(fields_.turns);
    return false;
  }
  return true;
}

// The words of the normalised fields; false, after a message, when the turns cannot be stored.
// A box still showing what the editor wrote gives the value it was written from.
bool PosEditCore::ComputeWords(PointWords& words) const {
  const auto value = [this](int row, auto convert) {
    return written_.ValueOr(row, fields_.value[row], convert);
  };
  const std::int32_t typed = value(kPositionRow, WholeNumber);
  std::int64_t turnsPulses = 0;
  if (!CheckTurns(typed, turnsPulses)) return false;
  const std::int64_t position = typed + turnsPulses;
  words.position = static_cast<std::int32_t>(position);
  words.inPos = value(kInPosRow, WholeNumber);
  if (ComEdit().IsRotary() && fields_.stopper.checked) {
    // A rotary push point pushes over the rest of the turn toward its side.
    const auto span = static_cast<std::int64_t>(LimitSpan());
    words.inPos = fields_.incre.checked ? kRelativePushAmount
                  : fields_.pushReverse ? WithinInt32(position)
                                        : WithinInt32(span - position);
  }
  // The rows were normalised: their texts convert.
  const auto code = [](std::int32_t (*convert)(std::string_view)) {
    return [convert](const std::string& text) { return SaturateToInt32(CodeOrEnd(text, convert)); };
  };
  words.speed = value(kSpeedRow, code(TextToSpeedCode));
  words.acc = value(kAccRow, code(TextToAccCode));
  words.current = value(kCurrentRow,
                        [](const std::string& text) { return CurrentWord(NumberOrZero(text)); });
  words.gain = value(kGainRow, WholeNumber);
  words.mode = EncodePointMode(ModeOfControls());
  return true;
}

PointMode PosEditCore::ModeOfControls() const {
  return PointMode{.rotate = fields_.rotate.checked,
                   .clockwise = fields_.clockwise,
                   .relative = fields_.incre.checked,
                   .pushReverse = fields_.pushReverse,
                   .pusher = fields_.stopper.checked,
                   .maxAccel = fields_.accel.checked};
}

}  // namespace editors
