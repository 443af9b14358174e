// The unit set-up: an axis's common block into the editor's fields and the unit state.
#include "editors/ComEditCore.h"

#include <cstdio>
#include <iterator>
#include <limits>

#include "axisdata/ConversionError.h"
#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/Tables.h"
#include "axisdata/Units.h"
#include "editors/ActuatorKind.h"
#include "editors/EditorText.h"
#include "platform/UiServices.h"

namespace editors {

namespace {

using namespace axisdata;

// Every axis is set up with 800 encoder pulses per motor revolution.
constexpr const char* kResolutionText = "800";

// Slider maxima of the pulse motor: 4500 r/min in speed codes, acceleration code, percent.
constexpr int kPulseMotorSpeedMaximum = 22500;
constexpr int kPulseMotorAccMaximum = 2047;
constexpr int kPulseMotorThrustMaximum = 100;
constexpr double kSpeedCodeRpm = 0.2;  // r/min per speed code

constexpr int kDecimalsPulses = 0;
constexpr int kDecimalsUnits = 3;

int ExpansionByte(const AxisWords& words) {
  return static_cast<int>((static_cast<std::uint32_t>(ExpansionWord(words)) >> 24) & 0xFF);
}

// A home-mode word outside 16 bits is no mode the lists know.
std::int16_t HomeModeOf(std::int32_t word) {
  return word < std::numeric_limits<std::int16_t>::min() ||
                 word > std::numeric_limits<std::int16_t>::max()
             ? 0
             : static_cast<std::int16_t>(word);
}

double NumberOrZero(const std::string& text) {
  try {
    return ParseNumber(text);
  } catch (const ConversionError&) {
    return 0;
  }
}

// The catalogue stroke in pulses, at most the largest 32-bit value.
std::int32_t StrokePulses(const std::string& stroke) {
  try {
    return UnitToPulses(stroke);
  } catch (const ConversionError&) {
    return std::numeric_limits<std::int32_t>::max();
  }
}

std::string HexText(std::int16_t value) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(static_cast<std::uint16_t>(value)));
  return buf;
}

}  // namespace

ComEditCore::Batch::Batch(ComEditCore& core) : core_(core) { ++core_.batchDepth_; }

ComEditCore::Batch::~Batch() {
  if (--core_.batchDepth_ == 0) core_.TellViews();
}

void ComEditCore::TellViews() {
  if (view_ && fields_ != shownFields_) {
    shownFields_ = fields_;
    view_->ShowComParam();
  }
  if (pointView_ && point_ != shownPoint_) {
    shownPoint_ = point_;
    pointView_->ShowPointSetup(point_);
  }
}

void ComEditCore::SetView(ComEditView* view) {
  view_ = view;
  shownFields_ = fields_;
}

void ComEditCore::SetPointView(PointEditorView* view) {
  pointView_ = view;
  shownPoint_ = point_;
}

void ComEditCore::Reset() {
  fields_ = {};
  point_ = {};
  homeMode_ = 0;
  fwdZone_ = rvsZone_ = strokeMax_ = 0;
  written_ = {};
}

void ComEditCore::SetAxNum(std::int16_t axis) {
  const Batch batch(*this);
  CurAxis = axis;
  fields_.axisNumber = HexText(axis);
  if (axis >= 0 && axis < kAxisSlots) {
    const AxisWords& words = AxisData[axis];
    fields_.typeName = ModelName(words[kTypeCodeWord], words[kOptionWord]);
  }
  ReadComParam(axis);
}

std::int16_t ComEditCore::AxNum() const { return CurAxis; }

void ComEditCore::ReadComParam(std::int16_t axis) {
  if (axis < 0 || axis >= kAxisSlots) return;
  const Batch batch(*this);
  const AxisWords& words = AxisData[axis];
  fields_.resolution = kResolutionText;
  homeMode_ = HomeModeOf(words[kHomeModeWord]);
  const int code = words[kTypeCodeWord];
  fields_.homeListEnabled = true;
  switch (KindOf(code)) {
    case ActuatorKind::PulseMotor:
      SetUpPulseMotor();
      break;
    case ActuatorKind::Rotary:
      SetUpRotary(code, ExpansionByte(words));
      break;
    default:
      SetUpLinear(code, ExpansionByte(words));
      break;
  }
  ReadLimitsAndZones(words);
  fields_.interlockShown = true;
  fields_.interlock = (words[kAxisFlagsWord] & kInterlockBit) == kInterlockBit;
  Show(ComBox::HomeSpeed, SpeedCodeToText(words[kHomeSpeedWord]), words[kHomeSpeedWord]);
  fields_.homeAcc = AccCodeToText(words[kHomeAccWord]);
  Show(ComBox::HomeCurrent,
       FormatSignPlace(words[kHomeCurrentWord] * 100.0 / kHomeCurrentFullScale),
       words[kHomeCurrentWord]);
}

void ComEditCore::SetUpPulseMotor() {
  fields_.lead = fields_.resolution;  // one unit is one pulse
  fields_.unit = "pulse";
  DisplayUnit = fields_.unit;
  fields_.typeIndex = kPulseType;
  fields_.decimalsIndex = kDecimalsPulses;
  TypeChanged();
  fields_.listsEnabled = true;
  fields_.strokeShown = fields_.strokeEditable = false;
  fields_.limitsShown = true;
  CatalogueModel = false;
  point_.row4Caption = EditorText(EditorTxt::StopCurrentCaption);
  point_.stopFwdCaption = EditorText(EditorTxt::PushFwd);
  point_.stopRvsCaption = EditorText(EditorTxt::PushRvs);
  point_.speedMaximum = kPulseMotorSpeedMaximum;
  point_.accMaximum = kPulseMotorAccMaximum;
  point_.thrustMaximum = kPulseMotorThrustMaximum;
  SetHomeSel();
  RefreshUnits();
}

void ComEditCore::SetUpRotary(int code, int expansionByte) {
  fields_.lead = LeadText(code, expansionByte);
  fields_.unit = "DEG";
  fields_.typeIndex = kRotaryType;
  TypeChanged();  // "deg"
  fields_.listsEnabled = false;
  fields_.decimalsIndex = kDecimalsUnits;
  fields_.strokeShown = true;
  fields_.limitsShown = false;
  // A rotary actuator is a user type; without this it would take the home list and stroke rule
  // of whichever axis was set up before it.
  CatalogueModel = false;
  fields_.strokeEditable = false;
  SetUpTypeTail(code);
}

void ComEditCore::SetUpLinear(int code, int expansionByte) {
  CatalogueModel = KindOf(code) == ActuatorKind::Catalogue;
  fields_.lead = LeadText(code, expansionByte);
  fields_.unit = "mm";
  if (CatalogueModel) point_.limitMargin = LimitMarginOf(code);
  DisplayUnit = fields_.unit;
  fields_.typeIndex = kLinearType;
  TypeChanged();
  fields_.decimalsIndex = kDecimalsUnits;
  fields_.listsEnabled = false;
  fields_.strokeShown = fields_.strokeEditable = CatalogueModel;
  fields_.limitsShown = !CatalogueModel;
  SetUpTypeTail(code);
}

void ComEditCore::SetUpTypeTail(int code) {
  point_.row4Caption = EditorText(EditorTxt::PushForceCaption);
  point_.stopFwdCaption = EditorText(CatalogueModel ? EditorTxt::EndFwd : EditorTxt::PushFwd);
  point_.stopRvsCaption = EditorText(CatalogueModel ? EditorTxt::EndRvs : EditorTxt::PushRvs);
  SetHomeSel();
  RefreshUnits();
  point_.speedMaximum = static_cast<std::int16_t>(RoundHalfEven(GetMaxSpeed(code) / kSpeedCodeRpm));
  point_.accMaximum = GetMaxAcc(code);
  point_.thrustMaximum = GetThrust(code);
  strokeMax_ = StrokePulses(GetStroke(code));
}

void ComEditCore::ReadLimitsAndZones(const AxisWords& words) {
  const bool rotary = IsRotary();
  double reverse = words[rotary ? kRotaryRvsLimitWord : kRvsLimitWord];
  double forward = words[rotary ? kRotaryFwdLimitWord : kFwdLimitWord];
  ClampValue(reverse, kLimitMinimum, kLimitMaximum);
  ClampValue(forward, kLimitMinimum, kLimitMaximum);
  if (forward >= reverse) reverse = forward + 1;
  FwdLimitPulses = static_cast<std::int32_t>(forward);
  RvsLimitPulses = static_cast<std::int32_t>(reverse);
  RefreshLimitScales();

  // Forward stays below reverse: reverse moves up to forward + 1, or, with forward at the top of
  // the 32-bit range, forward moves down below reverse.
  fwdZone_ = words[kFwdZoneWord];
  rvsZone_ = words[kRvsZoneWord];
  if (fwdZone_ >= rvsZone_) {
    if (fwdZone_ == std::numeric_limits<std::int32_t>::max()) {
      --fwdZone_;
      rvsZone_ = std::numeric_limits<std::int32_t>::max();
    } else {
      rvsZone_ = fwdZone_ + 1;
    }
  }
  ShowZones();
}

void ComEditCore::ShowZones() {
  Show(ComBox::FwdZone, FormatPulses(fwdZone_), fwdZone_);
  Show(ComBox::RvsZone, FormatPulses(rvsZone_), rvsZone_);
}

void ComEditCore::TypeChanged() {
  if (fields_.typeIndex == kLinearType) fields_.unit = "mm";
  if (fields_.typeIndex == kRotaryType) fields_.unit = "deg";
  DisplayUnit = fields_.unit;
}

void ComEditCore::SetHomeSel() {
  const Batch batch(*this);
  fields_.homeListShown = false;
  fields_.homeItems.clear();
  fields_.homeIndex = -1;
  fields_.homeCaption = EditorText(EditorTxt::HomeModeCaption);
  if (CatalogueModel) {
    // The home side follows from the limits (RefreshLimitScales selects it).
    for (const HomeEntry& entry : kCatalogueHomes) {
      fields_.homeItems.push_back(EditorText(entry.item));
    }
    fields_.pushShown = fields_.homingShown = true;
  } else {
    // Entry 0 (mode 0) also stands for every mode the list does not hold.
    fields_.homeIndex = 0;
    for (int i = 0; i < static_cast<int>(std::size(kUserHomes)); ++i) {
      fields_.homeItems.push_back(EditorText(kUserHomes[i].item));
      if (kUserHomes[i].mode == homeMode_) fields_.homeIndex = i;
    }
    fields_.pushShown = fields_.homeIndex >= kFirstPushHomeEntry;
    fields_.homingShown = fields_.homeIndex != 0;
  }
  fields_.homeListShown = true;
}

void ComEditCore::SetupLead() {
  const Batch batch(*this);
  RefreshUnits();
}

void ComEditCore::RefreshUnits() {
  const double lead = NumberOrZero(fields_.lead);
  const double resolution = NumberOrZero(fields_.resolution);
  if (lead == 0 || resolution == 0) {
    platform::Ui().MessageBox(EditorText(EditorTxt::ZeroLead), platform::MsgButtons::Ok,
                              platform::MsgIcon::Exclamation, "");
    return;
  }
  Lead = lead;
  Resolution = resolution;
  UnitPerPulse = lead / resolution;
  RefreshLimitScales();
  ShowZones();
  fields_.unitLabel = fields_.unit;
  point_.positionUnit = fields_.unit;
}

void ComEditCore::SetSliderScale(int slider, int minimum, int maximum, int step) {
  if (slider < 0 || slider > 1) return;
  const Batch batch(*this);
  point_.positionSliders[slider] = {minimum, maximum, step};
}

void ComEditCore::ShowLimits(const std::string& forward, const std::string& reverse) {
  const Batch batch(*this);
  // The unit conversions show the shared limits as they now are.
  Show(ComBox::FwdLimit, forward, FwdLimitPulses);
  Show(ComBox::RvsLimit, reverse, RvsLimitPulses);
}

void ComEditCore::SelectHomeSide(int index) {
  const Batch batch(*this);
  fields_.homeIndex = index;
}

void ComEditCore::ShowStroke(const std::string& stroke) {
  const Batch batch(*this);
  Show(ComBox::Stroke, stroke, 0);  // the travel between the limits: applied only once changed
}

void ComEditCore::ShowAccUnit(const std::string& unit) {
  const Batch batch(*this);
  fields_.accUnit = unit;
  point_.accUnit = unit;
}

ComEditCore& ComEdit() {
  static ComEditCore core;
  return core;
}

void InstallComEdit() {
  RegisterComParamView(&ComEdit());
  RegisterUnitControls(&ComEdit());
}

void UninstallComEdit() {
  RegisterComParamView(nullptr);
  RegisterUnitControls(nullptr);
}

}  // namespace editors
