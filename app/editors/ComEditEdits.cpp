// The user's edits in the common-parameter editor and the store of its fields.
#include <cstdlib>
#include <iterator>
#include <limits>

#include "axisdata/ConversionError.h"
#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/Units.h"
#include "editors/ComEditCore.h"
#include "editors/EditorText.h"
#include "editors/NotStored.h"

namespace editors {

namespace {

using namespace axisdata;

// A catalogue model's limits lie this far beyond the home end, and its stroke is at least
// kMinStrokePulses.
constexpr std::int32_t kHomeMarginPulses = 8;
constexpr std::int32_t kMinStrokePulses = 32;

// Converts one box (convert gives its value or throws); on failure tells the user which box
// held the text and that nothing was stored.
template <class Convert>
bool ReadBox(const std::string& text, EditorTxt caption, Convert convert,
             std::int32_t& value) {
  try {
    value = convert();
    return true;
  } catch (const ConversionError&) {
    TellNotStored(EditorText(caption), text);
    return false;
  }
}

// The homing current in percent as a whole number, scaled to the word.
std::int32_t HomeCurrentWord(std::string_view text) {
  return RoundToInt32(RoundHalfEven(ParseNumber(text)) * kHomeCurrentFullScale / 100);
}

}  // namespace

std::string& ComEditCore::Text(ComBox box) {
  switch (box) {
    case ComBox::FwdLimit:
      return fields_.fwdLimit;
    case ComBox::RvsLimit:
      return fields_.rvsLimit;
    case ComBox::Stroke:
      return fields_.stroke;
    case ComBox::FwdZone:
      return fields_.fwdZone;
    case ComBox::RvsZone:
      return fields_.rvsZone;
    case ComBox::HomeSpeed:
      return fields_.homeSpeed;
    case ComBox::HomeCurrent:
      break;
  }
  return fields_.homeCurrent;
}

void ComEditCore::SetText(ComBox box, std::string text) { Text(box) = std::move(text); }

void ComEditCore::Show(ComBox box, std::string text, std::int32_t value) {
  written_.Wrote(static_cast<std::size_t>(box), text, value);
  Text(box) = std::move(text);
}

std::optional<std::int32_t> ComEditCore::UnchangedValue(ComBox box) {
  return written_.ValueOf(static_cast<std::size_t>(box), Text(box));
}

template <class Convert>
std::int32_t ComEditCore::BoxValue(ComBox box, Convert convert) {
  return written_.ValueOr(static_cast<std::size_t>(box), Text(box), convert);
}

void ComEditCore::CommitBox(ComBox box) {
  const Batch batch(*this);
  try {
    switch (box) {
      case ComBox::FwdLimit:
        FwdLimitPulses = BoxValue(box, UnitToPulses);
        break;
      case ComBox::RvsLimit:
        RvsLimitPulses = BoxValue(box, UnitToPulses);
        break;
      case ComBox::FwdZone:
        fwdZone_ = BoxValue(box, UnitToPulses);
        break;
      case ComBox::RvsZone:
        rvsZone_ = BoxValue(box, UnitToPulses);
        break;
      case ComBox::Stroke:
        // The box shows the travel with its margins: applied again it would widen the limits.
        if (!UnchangedValue(box)) ApplyStroke();
        break;
      case ComBox::HomeSpeed:
      case ComBox::HomeCurrent:
        break;  // read by OK only
    }
  } catch (const ConversionError&) {
    // The box keeps the typed text; OK names it and stores nothing.
  }
}

void ComEditCore::ApplyStroke() {
  if (!CatalogueModel) return;
  if (UnitToPulses(fields_.stroke) > strokeMax_) fields_.stroke = FormatPulses(strokeMax_);
  if (UnitToPulses(fields_.stroke) < kMinStrokePulses) {
    fields_.stroke = FormatPulses(kMinStrokePulses);
  }
  const std::int64_t stroke = UnitToPulses(fields_.stroke);
  const bool homeAtReverse = fields_.homeIndex == kReverseEndEntry;
  const std::int64_t forward = homeAtReverse ? -kHomeMarginPulses - stroke : -kHomeMarginPulses;
  const std::int64_t reverse = homeAtReverse ? kHomeMarginPulses : stroke + kHomeMarginPulses;
  ShowLimitPulses(ComBox::FwdLimit, forward);
  ShowLimitPulses(ComBox::RvsLimit, reverse);
  Show(ComBox::Stroke, fields_.stroke, static_cast<std::int32_t>(stroke));
}

// A limit beyond 32 bits is shown all the same; OK then refuses it.
void ComEditCore::ShowLimitPulses(ComBox box, std::int64_t pulses) {
  std::string text = FormatPulses(static_cast<double>(pulses));
  if (pulses == static_cast<std::int32_t>(pulses)) {
    Show(box, std::move(text), static_cast<std::int32_t>(pulses));
  } else {
    Text(box) = std::move(text);
  }
}

void ComEditCore::ComboType_Click(int index) {
  const Batch batch(*this);
  fields_.typeIndex = index;
  TypeChanged();
}

void ComEditCore::ComboReso_Click(int index) {
  const Batch batch(*this);
  fields_.decimalsIndex = index;
}

void ComEditCore::CmbHomeSel_Click(int index) {
  const Batch batch(*this);
  fields_.homeIndex = index;
  if (!CatalogueModel) {
    fields_.homingShown = index != 0;
    fields_.pushShown = index >= kFirstPushHomeEntry;
    return;
  }
  fields_.pushShown = fields_.homingShown = true;
  double forward = 0, reverse = 0;
  try {
    forward = ParseNumber(fields_.fwdLimit);
    reverse = ParseNumber(fields_.rvsLimit);
  } catch (const ConversionError&) {
    return;  // limits not yet valid: nothing to turn round
  }
  // The home end changed sides: the limits are mirrored so the stroke lies on the other side.
  const bool homeAtReverse = index == kReverseEndEntry;
  if ((index == 0 && std::abs(reverse) <= std::abs(forward)) ||
      (homeAtReverse && std::abs(reverse) > std::abs(forward))) {
    // Both values are taken before either box changes: each box takes the other's.
    const std::optional<std::int32_t> fwd = UnchangedValue(ComBox::FwdLimit);
    const std::optional<std::int32_t> rvs = UnchangedValue(ComBox::RvsLimit);
    ShowMirrored(ComBox::FwdLimit, -reverse, rvs);
    ShowMirrored(ComBox::RvsLimit, -forward, fwd);
  }
}

// The box shows the other box's number negated; an unchanged other box passes on its value.
void ComEditCore::ShowMirrored(ComBox box, double number, std::optional<std::int32_t> other) {
  if (other && *other != std::numeric_limits<std::int32_t>::min()) {
    Show(box, FormatGeneral(number), -*other);
  } else {
    Text(box) = FormatGeneral(number);
  }
}

void ComEditCore::CheckILK_Click(bool checked) {
  const Batch batch(*this);
  fields_.interlock = checked;
}

std::optional<ComEditCore::BoxValues> ComEditCore::ReadBoxes() {
  BoxValues v{};
  const auto read = [this](ComBox box, EditorTxt caption, auto convert, std::int32_t& value) {
    return ReadBox(Text(box), caption, [&] { return BoxValue(box, convert); }, value);
  };
  const auto pulses = [](const std::string& text) { return UnitToPulses(text); };
  const auto speed = [](const std::string& text) { return TextToSpeedCode(text); };
  const auto current = [](const std::string& text) { return HomeCurrentWord(text); };
  const bool complete =
      read(ComBox::FwdLimit, EditorTxt::FwdLimitCaption, pulses, v.fwdLimit) &&
      read(ComBox::RvsLimit, EditorTxt::RvsLimitCaption, pulses, v.rvsLimit) &&
      read(ComBox::FwdZone, EditorTxt::FwdZoneCaption, pulses, v.fwdZone) &&
      read(ComBox::RvsZone, EditorTxt::RvsZoneCaption, pulses, v.rvsZone) &&
      read(ComBox::HomeSpeed, EditorTxt::HomeSpeedCaption, speed, v.homeSpeed) &&
      read(ComBox::HomeCurrent, EditorTxt::HomeCurrentCaption, current, v.homeCurrent);
  if (!complete) return std::nullopt;
  return v;
}

bool ComEditCore::CmdConf_Click() {
  const Batch batch(*this);
  const std::optional<BoxValues> boxes = ReadBoxes();
  if (!boxes) return false;
  FwdLimitPulses = boxes->fwdLimit;
  RvsLimitPulses = boxes->rvsLimit;
  fwdZone_ = boxes->fwdZone;
  rvsZone_ = boxes->rvsZone;
  RefreshUnits();
  return StoreComParam(CurAxis);
}

bool ComEditCore::StoreComParam(std::int16_t axis) {
  if (axis < 0 || axis >= kAxisSlots) return false;
  // The boxes again: the unit refresh before the store has rewritten the limits and zones.
  const std::optional<BoxValues> v = ReadBoxes();
  if (!v) return false;
  AxisWords& words = AxisData[axis];
  if (IsRotary()) {
    words[kRotaryRvsLimitWord] = v->rvsLimit;
    words[kRotaryFwdLimitWord] = v->fwdLimit;
    Show(ComBox::RvsLimit, FormatPulses(v->rvsLimit), v->rvsLimit);
    Show(ComBox::FwdLimit, FormatPulses(v->fwdLimit), v->fwdLimit);
  }
  words[kRvsLimitWord] = v->rvsLimit;
  words[kFwdLimitWord] = v->fwdLimit;
  words[kRvsZoneWord] = v->rvsZone;
  words[kFwdZoneWord] = v->fwdZone;
  words[kAxisFlagsWord] = fields_.interlock ? words[kAxisFlagsWord] | kInterlockBit
                                            : words[kAxisFlagsWord] & ~kInterlockBit;
  words[kHomeSpeedWord] = v->homeSpeed;
  words[kHomeCurrentWord] = v->homeCurrent;
  const int home = fields_.homeIndex;
  if (CatalogueModel) {
    words[kHomeModeWord] = kCatalogueHomes[home == kReverseEndEntry ? 1 : 0].mode;
  } else {
    const bool listed = home >= 0 && home < static_cast<int>(std::size(kUserHomes));
    words[kHomeModeWord] = listed ? kUserHomes[home].mode : 0;
  }
  AxisUnsaved[axis] = AxisUnsent[axis] = true;
  return true;
}

}  // namespace editors
