// The single-point editor without a window: rows, clamps, limit checks, check boxes and the
// load and store of a point.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "PosEditFixture.h"
#include "RecordingUi.h"
#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/Units.h"
#include "editors/PosEditCore.h"
#include "editors/PosEditNumbers.h"

using namespace axisdata;
using editors::EditorText;
using editors::EditorTxt;
using editors::kAccRow;
using editors::kCurrentRow;
using editors::kGainRow;
using editors::kInPosRow;
using editors::kPositionRow;
using editors::kSpeedRow;
using editors::WriteResult;

namespace {

// Records every message box; the confirmation before a write answers `confirm`.
struct AnsweringUi : RecordingUi {
  platform::MsgAnswer MessageBox(const std::string& text, platform::MsgButtons buttons,
                                 platform::MsgIcon icon, const std::string& title) override {
    RecordingUi::MessageBox(text, buttons, icon, title);
    titles.push_back(title);
    return buttons == platform::MsgButtons::OkCancel ? confirm : platform::MsgAnswer::Ok;
  }
  // Messages other than the confirmation.
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const Message& m : messages) {
      if (m.text != EditorText(EditorTxt::StoreQuestion)) texts.push_back(m.text);
    }
    return texts;
  }
  int Confirmations() const { return static_cast<int>(messages.size() - Warnings().size()); }

  platform::MsgAnswer confirm = platform::MsgAnswer::Ok;
  std::vector<std::string> titles;
};

class PosEditCoreTest : public PosEditFixture {
 protected:
  void SetUp() override {
    PosEditFixture::SetUp();
    editor.emplace();
  }

  void TearDown() override {
    editor.reset();
    PosEditFixture::TearDown();
  }

  void Read(std::int16_t page = 0) { editor->ReadPointData(kAxis, kPoint, page); }
  WriteResult Write(std::int16_t page = 0) { return editor->WritePointData(kAxis, kPoint, page); }
  editors::PosEditFields F() const { return editor->Fields(); }
  double Number(int row) const { return editors::NumberOrZero(F().value[row]); }

  // Typed into Text2 of the row, then Enter.
  void Type(int row, const std::string& text) {
    editor->SetText(row, text);
    editor->CommitText(row);
  }

  // A rotary axis of span 35999 pulses with a point of the given mode flags.
  void ReadRotaryPoint(std::int32_t mode, std::int32_t position = 0) {
    SetAxis(kRotary, 0, 35999);
    Point()[kMXAC] = mode;
    Point()[kPCMD] = position;
    Read();
  }

  AnsweringUi ui;
  std::optional<editors::PosEditCore> editor;
};

// ---- Slider scalings --------------------------------------------------------------------------

TEST(ClampToIntRange, KeepsASliderPositionInside0To32767) {
  using editors::PosEditCore;
  EXPECT_EQ(PosEditCore::ClampToIntRange(40000), 32767);
  EXPECT_EQ(PosEditCore::ClampToIntRange(-1), 0);
  EXPECT_EQ(PosEditCore::ClampToIntRange(std::nan("")), 0);
  EXPECT_EQ(PosEditCore::ClampToIntRange(100.5), 100.5);
}

struct SliderCase {
  const char* name;
  bool relative;
  int slider;
  double position;
};

void PrintTo(const SliderCase& c, std::ostream* os) { *os << c.name; }

class SliderToPosition : public PosEditCoreTest, public testing::WithParamInterface<SliderCase> {};

TEST_P(SliderToPosition, OverTheLimitsOrTheRelativeRange) {
  const SliderCase& c = GetParam();
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  editor->CheckIncre_Click(c.relative);
  editor->HScroll2_Change(kPositionRow, c.slider);
  EXPECT_EQ(Number(kPositionRow), c.position);
  EXPECT_EQ(F().unitValue[kPositionRow], FormatPulses(c.position));
}

INSTANTIATE_TEST_SUITE_P(Positions, SliderToPosition,
                         testing::Values(SliderCase{"AbsoluteStart", false, 0, 0},
                                         SliderCase{"AbsoluteEnd", false, 32767, 10000},
                                         SliderCase{"RelativeStart", true, 0, -10000},
                                         SliderCase{"RelativeMiddleIsNoMove", true, 16384, 0},
                                         SliderCase{"RelativeEnd", true, 32767, 9999}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Typed positions and the soft limits ------------------------------------------------------

enum class Warned { No, AboveTheRange, BelowTheRange };

struct TypedCase {
  const char* name;
  bool relative;
  const char* typed;
  const char* text;
  int slider;
  Warned warned;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedPosition : public PosEditCoreTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedPosition, IsWarnedAboutAndClampedOutsideTheRange) {
  const TypedCase& c = GetParam();
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  editor->CheckIncre_Click(c.relative);
  Type(kPositionRow, c.typed);
  EXPECT_EQ(F().value[kPositionRow], c.text);
  EXPECT_EQ(F().slider[kPositionRow].value, c.slider);
  if (c.warned == Warned::No) {
    EXPECT_TRUE(ui.messages.empty());
  } else {
    const bool above = c.warned == Warned::AboveTheRange;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              EditorText(above ? EditorTxt::UpperLimitMessage : EditorTxt::LowerLimitMessage));
    EXPECT_EQ(ui.titles[0],
              EditorText(above ? EditorTxt::UpperLimitTitle : EditorTxt::LowerLimitTitle));
    EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits0To10000, TypedPosition,
    testing::Values(
        TypedCase{"Inside", false, "2500", " 2500", 8192, Warned::No},
        TypedCase{"AboveTheReverseLimit", false, "12000", " 10000", 32767, Warned::AboveTheRange},
        TypedCase{"BelowTheForwardLimit", false, "-5", " 0", 0, Warned::BelowTheRange},
        TypedCase{"RelativeLowestMove", true, "-10000", "-10000", 0, Warned::No},
        TypedCase{"RelativeNoMove", true, "0", " 0", 16384, Warned::No},
        TypedCase{"RelativeHighestMove", true, "10000", " 10000", 32767, Warned::No},
        TypedCase{"RelativeBeyond", true, "-10001", "-10000", 0, Warned::BelowTheRange}),
    [](const auto& info) { return std::string(info.param.name); });

// Before the editor shows, each load replaces the warning of the one before; the editor shown,
// it gives the last one, and from then on a load warns at once.
TEST_F(PosEditCoreTest, ALoadWarnsAboutTheLimitsWhenTheEditorIsUp) {
  SetAxis(kPulseMotor, 0, 10000);
  Point(5)[kPCMD] = -50;
  Point()[kPCMD] = 12000;
  editor->ReadPointData(kAxis, 5, 0);
  Read();
  Read();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(F().value[kPositionRow], " 10000");
  editor->Shown();
  EXPECT_EQ(ui.Warnings(), std::vector<std::string>{EditorText(EditorTxt::UpperLimitMessage)});
  editor->ReadPointData(kAxis, 5, 0);
  EXPECT_EQ(ui.Warnings(), (std::vector<std::string>{EditorText(EditorTxt::UpperLimitMessage),
                                                     EditorText(EditorTxt::LowerLimitMessage)}));
}

TEST_F(PosEditCoreTest, APositionInTheDisplayUnitIsCheckedInPulses) {
  SetAxis(kUserLinear, 0, 10000);  // 0.008 mm a pulse
  Read();
  editor->SetUnitText(kPositionRow, "20");
  editor->CommitUnitText(kPositionRow);
  EXPECT_EQ(F().value[kPositionRow], " 2500");
  EXPECT_EQ(F().unitValue[kPositionRow], "20.000");
  editor->SetUnitText(kPositionRow, "1e30");
  editor->CommitUnitText(kPositionRow);
  EXPECT_EQ(F().value[kPositionRow], " 10000");
  EXPECT_EQ(ui.Warnings(), std::vector<std::string>{EditorText(EditorTxt::UpperLimitMessage)});
}

struct MarginCase {
  const char* name;
  int code;
  bool relative;
  const char* typed;
  std::int32_t stored;
  int messages;
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << c.name; }

class LimitMarginOnWrite : public PosEditCoreTest,
                           public testing::WithParamInterface<MarginCase> {};

// A catalogue axis read before leaves a margin of 15 pulses in the set-up.
TEST_P(LimitMarginOnWrite, KeepsCatalogueModelsInsideTheirLimits) {
  const MarginCase& c = GetParam();
  SetAxis(kCatalogue, 0, 10000, 5);
  core.ReadComParam(5);
  SetAxis(c.code, 0, 10000);
  Read();
  editor->CheckIncre_Click(c.relative);
  editor->SetText(kPositionRow, c.typed);
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(Point()[kPCMD], c.stored);
  EXPECT_EQ(ui.Warnings().size(), static_cast<std::size_t>(c.messages));
}

INSTANTIATE_TEST_SUITE_P(
    Margin15, LimitMarginOnWrite,
    testing::Values(MarginCase{"ReverseEndMovesInSilently", kCatalogue, false, "9990", 9985, 0},
                    MarginCase{"ForwardEndMovesInSilently", kCatalogue, false, "3", 15, 0},
                    MarginCase{"InsideTheMarginStays", kCatalogue, false, "9985", 9985, 0},
                    MarginCase{"BeyondTheLimitLandsInsideTheMargin", kCatalogue, false, "12000",
                               9985, 1},
                    MarginCase{"RelativeMoveKeepsNoMargin", kCatalogue, true, "9990", 9990, 0},
                    MarginCase{"UserTypeKeepsNoMargin", kUserLinear, false, "9990", 9990, 0},
                    MarginCase{"RotaryTypeKeepsNoMargin", kRotary, false, "9990", 9990, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosEditCoreTest, AMarginWiderThanHalfTheSpanMeetsInTheMiddle) {
  SetAxis(kCatalogue, 0, 10);
  Read();
  editor->SetText(kPositionRow, "10");
  Write();
  EXPECT_EQ(Point()[kPCMD], 5);
}

// ---- In-position width ------------------------------------------------------------------------

struct WidthCase {
  const char* name;
  const char* typed;
  int slider;
  double shown;
  std::int32_t stored;
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.name; }

class InPositionWidth : public PosEditCoreTest, public testing::WithParamInterface<WidthCase> {};

TEST_P(InPositionWidth, IsShownInWholePulsesWithTheSliderFollowing) {
  const WidthCase& c = GetParam();
  SetAxis(kPulseMotor, 0, 10000);  // a step is 10000 / 32768 pulses
  Read();
  Type(kInPosRow, c.typed);
  EXPECT_EQ(F().slider[kInPosRow].value, c.slider);
  EXPECT_DOUBLE_EQ(Number(kInPosRow), c.shown);
  Write();
  EXPECT_EQ(Point()[kINP], c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Span10000, InPositionWidth,
    testing::Values(WidthCase{"NegativeShowsOne", "-3", 0, 1, 1},
                    WidthCase{"AboveTheSliderTakesItsEnd", "20000", 32767, 10000, 10000},
                    WidthCase{"OnePulseIsNotStoredAs0", "1", 3, 1, 1},
                    WidthCase{"FourPulses", "4", 13, 4, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosEditCoreTest, AStoredWidthWritesBackUnchangedWhereASliderStepIsManyPulses) {
  SetAxis(kPulseMotor, 0, 1000000);  // a step of the slider is about 30 pulses
  Point()[kINP] = 40;
  Read();
  EXPECT_EQ(F().value[kInPosRow], " 40");
  Write();
  EXPECT_EQ(Point()[kINP], 40);
}

// The row shows the least width, 1 pulse, for a stored 0; the 0 stays until the width changes.
TEST_F(PosEditCoreTest, AStoredWidthOf0StaysUntilChanged) {
  SetAxis(kPulseMotor, 0, 10000);
  Point()[kINP] = 0;
  Read();
  EXPECT_EQ(F().value[kInPosRow], " 1");
  editor->CommitText(kInPosRow);
  Write();
  EXPECT_EQ(Point()[kINP], 0);
  Read();
  Type(kInPosRow, "1");
  Write();
  EXPECT_EQ(Point()[kINP], 1);
}

TEST_F(PosEditCoreTest, InPositionSliderGivesAtLeastOnePulse) {
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  editor->HScroll2_Change(kInPosRow, 0);
  EXPECT_EQ(F().value[kInPosRow], " 1");
  editor->HScroll2_Change(kInPosRow, 16384);
  EXPECT_EQ(F().value[kInPosRow], " 5000");
}

// ---- Speed, acceleration, current and gain ----------------------------------------------------

struct RowCase {
  const char* name;
  int row;
  const char* typed;
  int slider;
  const char* text;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class TypedRow : public PosEditCoreTest, public testing::WithParamInterface<RowCase> {};

// The pulse motor: speed up to 22500 codes (60000 pulses/s), acceleration up to 2047, current
// up to 100 %, gain up to 255.
TEST_P(TypedRow, IsClampedSilentlyToItsSlider) {
  const RowCase& c = GetParam();
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  Type(c.row, c.typed);
  EXPECT_EQ(F().slider[c.row].value, c.slider);
  EXPECT_EQ(F().value[c.row], c.text);
  EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PulseMotor, TypedRow,
    testing::Values(RowCase{"SpeedInItsFormat", kSpeedRow, "4000", 1500, "4000.00"},
                    RowCase{"SpeedAboveTheMaximum", kSpeedRow, "99999", 22500, "60000.00"},
                    RowCase{"SpeedBeyond32Bits", kSpeedRow, "1e12", 22500, "60000.00"},
                    RowCase{"SpeedBelow0", kSpeedRow, "-3", 0, "0.00"},
                    RowCase{"AccelerationAboveTheMaximum", kAccRow, "300", 2047, "205"},
                    RowCase{"CurrentAboveTheMaximum", kCurrentRow, "150", 100, " 100"},
                    RowCase{"CurrentInRangeKeepsItsText", kCurrentRow, "55.5", 56, "55.5"},
                    RowCase{"GainAboveTheMaximum", kGainRow, "300", 255, " 255"}),
    [](const auto& info) { return std::string(info.param.name); });

// A text that is no number (here "2.5" where the decimal sign is ",") is refused in every box,
// and the row keeps what it showed; the point is written as it was read.
struct NoNumberCase {
  const char* name;
  int row;
  bool unitBox;  // Text4 of the row, else Text2
  EditorTxt caption;
};
void PrintTo(const NoNumberCase& c, std::ostream* os) { *os << c.name; }

class NoNumber : public PosEditCoreTest, public testing::WithParamInterface<NoNumberCase> {};

TEST_P(NoNumber, IsRefusedAndTheRowKeepsItsValue) {
  const NoNumberCase& c = GetParam();
  platform::SetDecimalSign(',');
  SetAxis(kUserLinear, 0, 10000);
  Point()[kPCMD] = 2500;
  Point()[kVCMD] = 1000;
  Point()[kSPOW] = 90;
  Point()[kMXAC] = 2;      // a push point shows row 4
  Point()[kINP] = 10000;  // and pushes as far as the limits let it
  Read();
  const editors::PosEditFields before = F();
  const std::vector<std::int32_t> point(Point().begin(), Point().end());
  if (c.unitBox) {
    editor->SetUnitText(c.row, "2.5");
    editor->CommitUnitText(c.row);
  } else {
    Type(c.row, "2.5");
  }
  ASSERT_EQ(ui.Warnings().size(), 1u);
  EXPECT_EQ(ui.Warnings()[0],
            EditorText(c.caption) + ": 2.5\n" + EditorText(EditorTxt::NotStored));
  EXPECT_EQ(F(), before);
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(std::vector<std::int32_t>(Point().begin(), Point().end()), point);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBox, NoNumber,
    testing::Values(
        NoNumberCase{"Position", kPositionRow, false, EditorTxt::PositionCaption},
        NoNumberCase{"PositionInUnits", kPositionRow, true, EditorTxt::PositionCaption},
        NoNumberCase{"PushAmount", kInPosRow, false, EditorTxt::InPosCaption},
        NoNumberCase{"Speed", kSpeedRow, false, EditorTxt::SpeedCaption},
        NoNumberCase{"Acceleration", kAccRow, false, EditorTxt::AccCaption},
        NoNumberCase{"PushForce", kCurrentRow, false, EditorTxt::PushForceCaption},
        NoNumberCase{"Gain", kGainRow, false, EditorTxt::GainCaption}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosEditCoreTest, AnUncommittedTextThatIsNoNumberRefusesTheWrite) {
  SetAxis(kUserLinear, 0, 10000);
  Point()[kPCMD] = 2500;
  Read();
  editor->SetText(kPositionRow, "x");
  EXPECT_EQ(Write(), WriteResult::Refused);
  EXPECT_EQ(ui.Confirmations(), 0);
  EXPECT_EQ(F().value[kPositionRow], " 2500");
  EXPECT_EQ(Point()[kPCMD], 2500);
}

// ---- Check boxes ------------------------------------------------------------------------------

TEST_F(PosEditCoreTest, PusherTickShowsTheForceRowAndAPushAmount) {
  SetAxis(kUserLinear, 0, 10000);
  Point()[kINP] = 100;
  Read();
  EXPECT_FALSE(F().currentRowShown);
  EXPECT_TRUE(F().inPosUnitShown);
  EXPECT_FALSE(F().stopDirEnabled);

  editor->CheckStopper_Click(true);
  EXPECT_TRUE(F().currentRowShown);
  EXPECT_FALSE(F().inPosUnitShown);
  EXPECT_TRUE(F().stopDirEnabled);
  EXPECT_FALSE(F().incre.checked || F().incre.enabled);  // a linear axis pushes absolute
  EXPECT_FALSE(F().rotate.checked || F().rotate.enabled);
  EXPECT_EQ(F().unitValue[kInPosRow], "262.136");  // 32767 pulses of 0.008 mm
  EXPECT_EQ(Number(kInPosRow), 32767);

  editor->CheckStopper_Click(false);
  EXPECT_FALSE(F().currentRowShown);
  EXPECT_TRUE(F().inPosUnitShown);
  EXPECT_FALSE(F().stopDirEnabled);
  EXPECT_TRUE(F().incre.enabled);
  EXPECT_DOUBLE_EQ(Number(kInPosRow), 10000);  // the widest width of the slider
}

TEST_F(PosEditCoreTest, PusherUntickedOnAPushPointResetsTheWidthTo4Pulses) {
  SetAxis(kUserLinear, 0, 10000);
  Point()[kMXAC] = 2;
  Point()[kINP] = 5000;
  Read();
  EXPECT_TRUE(F().stopper.checked);
  EXPECT_TRUE(editor->PushLoaded());
  editor->CheckStopper_Click(false);
  EXPECT_FALSE(editor->PushLoaded());
  EXPECT_EQ(F().unitValue[kInPosRow], "0.032");
  Write();
  EXPECT_EQ(Point()[kINP], 4);
  EXPECT_EQ(Point()[kMXAC], 0);
}

struct PushCase {
  const char* name;
  std::int32_t reverse;
  std::int32_t stored;
};

void PrintTo(const PushCase& c, std::ostream* os) { *os << c.name; }

class LinearPushPoint : public PosEditCoreTest, public testing::WithParamInterface<PushCase> {};

// The push amount of 32767 pulses, or the widest width of the in-position slider when that is
// smaller; `reverse` is the reverse soft limit here.
TEST_P(LinearPushPoint, ShowsAndStores32767Pulses) {
  const PushCase& c = GetParam();
  SetAxis(kUserLinear, 0, c.reverse);
  Point()[kMXAC] = 2;
  Point()[kINP] = 5000;
  Read();
  EXPECT_EQ(Number(kInPosRow), 32767);
  Write();
  EXPECT_EQ(Point()[kINP], c.stored);
  EXPECT_EQ(Point()[kMXAC], 2);
}

INSTANTIATE_TEST_SUITE_P(Spans, LinearPushPoint,
                         testing::Values(PushCase{"Span10000", 10000, 10000},
                                         PushCase{"Span100000", 100000, 32767}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosEditCoreTest, EndlessRotationStillsPositionWidthRelativeAndPusher) {
  ReadRotaryPoint(0);
  editor->CheckRotate_Click(true);
  const editors::PosEditFields on = F();
  EXPECT_TRUE(on.rotateDirShown);
  EXPECT_FALSE(on.incre.enabled);
  EXPECT_FALSE(on.slider[kPositionRow].enabled || on.slider[kInPosRow].enabled);
  EXPECT_FALSE(on.unitValueEnabled[0] || on.unitValueEnabled[1]);
  EXPECT_FALSE(on.stopper.enabled || on.stopperFrameEnabled);
  EXPECT_TRUE(on.valueEnabled[kPositionRow]);

  editor->CheckRotate_Click(false);
  const editors::PosEditFields off = F();
  EXPECT_FALSE(off.rotateDirShown);
  EXPECT_TRUE(off.incre.enabled && off.stopper.enabled && off.stopperFrameEnabled);
  EXPECT_TRUE(off.slider[kPositionRow].enabled && off.slider[kInPosRow].enabled);
  EXPECT_TRUE(off.unitValueEnabled[0] && off.unitValueEnabled[1]);
}

TEST_F(PosEditCoreTest, RotationIsOfferedForRotaryAxesAndThePulseMotor) {
  for (const auto& [code, shown] : {std::pair{kRotary, true}, std::pair{kPulseMotor, true},
                                    std::pair{kUserLinear, false}, std::pair{kCatalogue, false}}) {
    SetAxis(code, 0, 1000);
    Read();
    EXPECT_EQ(F().rotate.shown, shown) << code;
  }
}

TEST_F(PosEditCoreTest, RelativeBoxChecksThePositionAgainstTheOtherRange) {
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  editor->CheckIncre_Click(true);
  Type(kPositionRow, "-4000");
  EXPECT_TRUE(ui.messages.empty());
  editor->CheckIncre_Click(false);
  EXPECT_EQ(F().value[kPositionRow], " 0");
  EXPECT_EQ(ui.Warnings(), std::vector<std::string>{EditorText(EditorTxt::LowerLimitMessage)});
}

// ---- Mode flags -------------------------------------------------------------------------------

TEST(PointModeFlags, EverySumOfOneRotationDecodesToItself) {
  for (std::int32_t word = 0; word < 64; ++word) {
    if ((word & 48) == 48) continue;
    EXPECT_EQ(editors::EncodePointMode(editors::DecodePointMode(word)), word) << word;
  }
}

struct ModeCase {
  const char* name;
  std::int32_t word;
  editors::PointMode shown;
  std::int32_t written;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class ModeFlags : public PosEditCoreTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(ModeFlags, AreShownAndWrittenBack) {
  const ModeCase& c = GetParam();
  ReadRotaryPoint(c.word);
  const editors::PosEditFields f = F();
  const editors::PointMode shown{.rotate = f.rotate.checked,
                                 .clockwise = f.clockwise,
                                 .relative = f.incre.checked,
                                 .pushReverse = f.pushReverse,
                                 .pusher = f.stopper.checked,
                                 .maxAccel = f.accel.checked};
  EXPECT_EQ(shown, c.shown);
  Write();
  EXPECT_EQ(Point()[kMXAC], c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Words, ModeFlags,
    testing::Values(
        ModeCase{"CounterClockwiseWithMaxAccel", 17, {true, false, false, false, false, true}, 17},
        // The pusher clears rotation.
        ModeCase{"ClockwiseWithPusher", 34, {false, false, false, false, true, false}, 2},
        // 32, then 8, 4, 2 and 1 from what is left; the pusher clears rotation and relative.
        ModeCase{"BothRotations", 48, {false, false, false, true, true, true}, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Whole points -----------------------------------------------------------------------------

TEST_F(PosEditCoreTest, AnUnchangedPointIsWrittenAsItWasRead) {
  SetAxis(kPulseMotor, 0, 10000);
  const std::int32_t words[] = {2500, 0x33, 77, 50, 1500, 100, 100, 9, 5, 1, 3, 10, 11, 12, 99};
  std::copy(std::begin(words), std::end(words), Point().begin());
  const AxisWords before = Words();
  Read();
  EXPECT_EQ(F().value[kCurrentRow], " 55.5555555555556");
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(Words(), before);
  EXPECT_TRUE(AxisUnsaved[kAxis] && AxisUnsent[kAxis]);
  EXPECT_FALSE(XepUnsaved || XepUnsent);
  EXPECT_EQ(ui.Confirmations(), 1);
  EXPECT_EQ(ui.titles.back(), EditorText(EditorTxt::Store));
}

// ---- Boxes nobody touched ----------------------------------------------------------------------

// Axes whose texts round what they show: millimetres of a catalogue model and of a user type
// (speed in 0.01 mm/s, acceleration in 0.001 G), degrees of a rotary axis and the pulse motor
// (acceleration in whole r/min/ms).
struct AxisKind {
  const char* name;
  int code;
  int expansionByte;
};

struct SpeedAndAcc {
  const char* name;
  std::int32_t vcmd, acmd;
};

using PointCase = std::tuple<AxisKind, SpeedAndAcc, std::int16_t>;  // and the page

class UntouchedBoxes : public PosEditCoreTest, public testing::WithParamInterface<PointCase> {
 protected:
  // Four axes, so page 2 is an extended page of the point.
  void SetUp() override {
    PosEditCoreTest::SetUp();
    const auto& [kind, words, page] = GetParam();
    AxisCount = 4;
    SetAxis(kind.code, 0, 10000);
    ExpansionWord(Words()) = kind.expansionByte << 24;
    const std::int32_t point[] = {2501, 0x33, 77, 37, words.vcmd, words.acmd, 91, 9, 6, 1};
    std::copy(std::begin(point), std::end(point), Point().begin());
    ExtPointData[ExtIndex()] = 2503;
    ExtPointData[ExtIndex() + 1] = words.vcmd;
  }

  static std::int16_t Page() { return std::get<2>(GetParam()); }
  static int ExtIndex() { return ExtPointIndex(2, kAxis, kPoint); }

  // What the editor writes: position, in-position width, speed, acceleration, stop current,
  // gain, mode flags.
  static std::vector<std::int32_t> Written() {
    const auto p = Point();
    const bool ext = Page() > 0;
    return {ext ? ExtPointData[ExtIndex()] : p[kPCMD],
            p[kINP],
            ext ? ExtPointData[ExtIndex() + 1] : p[kVCMD],
            p[kACMD],
            p[kSPOW],
            p[kPLG0],
            p[kMXAC]};
  }
};

// The user goes through every box (each commits as it loses the focus), then OK.
TEST_P(UntouchedBoxes, ChangeNoWord) {
  const AxisWords before = Words();
  const ExtPointWords extBefore = ExtPointData;
  const std::vector<std::int32_t> written = Written();
  Read(Page());
  for (const int row : editors::kUsedRows) editor->CommitText(row);
  for (const int row : {kPositionRow, kInPosRow}) editor->CommitUnitText(row);
  EXPECT_EQ(Write(Page()), WriteResult::Written);
  EXPECT_EQ(Written(), written);
  EXPECT_TRUE(Words() == before);
  EXPECT_TRUE(ExtPointData == extBefore);
  EXPECT_TRUE(ui.Warnings().empty());
}

TEST_P(UntouchedBoxes, LeaveWhatIsTypedBesideThemAsTyped) {
  Read(Page());
  editor->SetUnitText(kPositionRow, "3");
  editor->CommitUnitText(kPositionRow);
  Type(kSpeedRow, "1.5");
  std::vector<std::int32_t> expected = Written();
  expected[0] = UnitToPulses("3");
  expected[2] = TextToSpeedCode("1.5");
  if (Page() == 0) {  // an extended point takes its acceleration from the base point
    Type(kAccRow, "0.3");
    expected[3] = TextToAccCode("0.3");
  }
  EXPECT_EQ(Write(Page()), WriteResult::Written);
  EXPECT_EQ(Written(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AxisKindsAndWords, UntouchedBoxes,
    testing::Combine(testing::Values(AxisKind{"CatalogueLead2", 0x0A, 1},
                                     AxisKind{"OtherCatalogueLead2", 0x1A, 1},
                                     AxisKind{"UserLead1_8", 0x13, 3},
                                     AxisKind{"RotaryLead36", kRotary, 10},
                                     AxisKind{"PulseMotor", kPulseMotor, 1}),
                     testing::Values(SpeedAndAcc{"V7A7", 7, 7},
                                     SpeedAndAcc{"V1003A501", 1003, 501},
                                     SpeedAndAcc{"V1501A333", 1501, 333},
                                     SpeedAndAcc{"V1003A123", 1003, 123}),
                     testing::Values(std::int16_t{0}, std::int16_t{2})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name +
             "_Page" + std::to_string(std::get<2>(info.param));
    });

// The catalogue model keeps 15 pulses inside its limits: a position as loaded keeps its word,
// one typed (and committed) moves in.
TEST_F(PosEditCoreTest, APositionAsLoadedKeepsItsWordWithinTheMargin) {
  SetAxis(kCatalogue, 0, 10000);
  Point()[kPCMD] = 9990;
  Read();
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(Point()[kPCMD], 9990);
  Read();
  Type(kPositionRow, "9991");
  Write();
  EXPECT_EQ(Point()[kPCMD], 9985);
}

// 2 mm a turn: speed code 7 shows "0.05" (7.5 read back), acceleration "0.0024" G is code 7 and
// shows "0.002" (5.9 read back). What the slider or the typing chose is stored.
TEST_F(PosEditCoreTest, ASpeedOrAccelerationChosenIsStoredAsItsCode) {
  SetAxis(0x0A, 0, 10000);
  Read();
  editor->HScroll2_Change(kSpeedRow, 7);
  Type(kAccRow, "0.0024");
  EXPECT_EQ(F().value[kSpeedRow], "0.05");
  EXPECT_EQ(F().value[kAccRow], "0.002");
  Write();
  EXPECT_EQ(Point()[kVCMD], 7);
  EXPECT_EQ(Point()[kACMD], 7);
}

TEST_F(PosEditCoreTest, CancelInTheConfirmationWritesNothing) {
  AxisCount = 4;
  SetAxis(kPulseMotor, 0, 10000);
  for (const std::int16_t page : {0, 2}) {
    const AxisWords before = Words();
    const ExtPointWords extBefore = ExtPointData;
    Read(page);
    editor->SetText(kPositionRow, "7000");
    editor->CheckAccel_Click(true);
    ui.confirm = platform::MsgAnswer::Cancel;
    EXPECT_EQ(Write(page), WriteResult::Cancelled);
    EXPECT_EQ(Words(), before);
    EXPECT_EQ(ExtPointData, extBefore);
    EXPECT_FALSE(AxisUnsaved[kAxis] || AxisUnsent[kAxis] || XepUnsaved || XepUnsent);
  }
}

TEST_F(PosEditCoreTest, PointsOutsideTheImagesAreIgnored) {
  SetAxis(kPulseMotor, 0, 10000);
  Read();
  const editors::PosEditFields before = F();
  editor->ReadPointData(kAxisSlots, 0, 0);
  editor->ReadPointData(kAxis, kBasePoints, 0);
  EXPECT_EQ(F(), before);
  EXPECT_EQ(editor->WritePointData(kAxis, -1, 0), WriteResult::Cancelled);
  EXPECT_TRUE(ui.messages.empty());
}

// ---- Pages ------------------------------------------------------------------------------------

TEST_F(PosEditCoreTest, FourAxesHave12PagesAndPage12IsPage0) {
  AxisCount = 4;
  SetAxis(kPulseMotor, 0, 10000);
  editor->SetAxNum(kAxis);
  EXPECT_EQ(editor->MaxPage(), 12);
  editor->SetPgNum(11);
  EXPECT_EQ(editor->PgNum(), 11);
  EXPECT_EQ(F().pageNumber, "B");
  editor->SetPgNum(12);
  EXPECT_EQ(editor->PgNum(), 0);
  EXPECT_EQ(CurPage, 0);
  EXPECT_EQ(F().pageNumber, "0");
  EXPECT_TRUE(F().pageShown);
}

TEST_F(PosEditCoreTest, PropertiesSetTheSharedSelection) {
  SetAxis(kPulseMotor, 0, 10000);
  Point()[kPCMD] = 1234;
  editor->SetAxNum(kAxis);
  editor->SetPointNum(kPoint);
  EXPECT_EQ(CurAxis, kAxis);
  EXPECT_EQ(CurPoint, kPoint);
  EXPECT_EQ(editor->AxNum(), kAxis);
  EXPECT_EQ(editor->PointNum(), kPoint);
  EXPECT_EQ(F().axisNumber, "2");
  EXPECT_EQ(F().pointNumber, "3");
  EXPECT_EQ(F().value[kPositionRow], " 1234");
}

TEST_F(PosEditCoreTest, AnExtendedPointWritesPositionAndSpeedThereAndTheRestToTheBasePoint) {
  AxisCount = 4;
  SetAxis(kPulseMotor, 0, 10000);
  const std::int32_t words[] = {111, 0x33, 77, 50, 222, 100, 90, 9, 5, 48, 3, 10, 11, 12};
  std::copy(std::begin(words), std::end(words), Point().begin());
  const int index = ExtPointIndex(2, kAxis, kPoint);
  ExtPointData[index] = 4321;
  ExtPointData[index + 1] = 1500;
  const AxisWords before = Words();
  ExtPointWords expectedExt = ExtPointData;

  Read(2);
  EXPECT_EQ(F().value[kPositionRow], " 4321");
  EXPECT_EQ(F().value[kSpeedRow], SpeedCodeToText(1500));
  const editors::PosEditFields locked = F();
  for (const int row : {kInPosRow, kAccRow, kCurrentRow, kGainRow}) {
    EXPECT_FALSE(locked.slider[row].enabled || locked.valueEnabled[row]) << row;
  }
  EXPECT_FALSE(locked.unitValueEnabled[kInPosRow]);
  EXPECT_FALSE(locked.incre.enabled || locked.accel.enabled || locked.stopper.enabled);
  EXPECT_FALSE(locked.stopDirEnabled);
  EXPECT_TRUE(locked.slider[kPositionRow].enabled && locked.slider[kSpeedRow].enabled);

  Type(kPositionRow, "5000");
  Type(kSpeedRow, "2000");
  EXPECT_EQ(Write(2), WriteResult::Written);
  expectedExt[index] = 5000;
  expectedExt[index + 1] = 750;
  EXPECT_EQ(ExtPointData, expectedExt);
  for (int k = 0; k < kAxisWords; ++k) {
    const int field = k - (kFirstPointWord + kPointBlockWords * kPoint + kBlockWords);
    const bool ownField =
        field == kINP || field == kACMD || field == kSPOW || field == kPLG0 || field == kMXAC;
    if (!ownField) {
      EXPECT_EQ(Words()[k], before[k]) << "word " << k;
    }
  }
  EXPECT_EQ(Point()[kMXAC], 7);
  EXPECT_TRUE(XepUnsaved && XepUnsent);
  EXPECT_FALSE(AxisUnsaved[kAxis] || AxisUnsent[kAxis]);
}

TEST_F(PosEditCoreTest, APage0PointAfterAnExtendedOneHasAllItsRows) {
  AxisCount = 4;
  SetAxis(kPulseMotor, 0, 10000);
  Read(2);
  Read(0);
  const editors::PosEditFields f = F();
  for (const int row : {kInPosRow, kAccRow, kCurrentRow, kGainRow}) {
    EXPECT_TRUE(f.slider[row].enabled && f.valueEnabled[row]) << row;
  }
  EXPECT_TRUE(f.incre.enabled && f.accel.enabled && f.stopper.enabled);
}

// ---- Rotary axes: turns and push amounts ------------------------------------------------------

TEST_F(PosEditCoreTest, TurnsOfARelativeMoveAreAddedOnWriteAndSplitOffOnRead) {
  ReadRotaryPoint(8);
  EXPECT_TRUE(F().turnsShown);
  editor->SetTurns("2");
  Type(kPositionRow, "100");
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(Point()[kPCMD], 72100);  // 100 + 2 x 36000
  Read();
  EXPECT_EQ(F().turns, "2");
  EXPECT_EQ(F().value[kPositionRow], " 100");
}

struct TurnsCase {
  const char* name;
  std::int32_t forward, reverse, stored;
  const char* turns;
  double position;
};

void PrintTo(const TurnsCase& c, std::ostream* os) { *os << c.name; }

class StoredTurns : public PosEditCoreTest, public testing::WithParamInterface<TurnsCase> {};

TEST_P(StoredTurns, AreShownAndWrittenBackUnchanged) {
  const TurnsCase& c = GetParam();
  SetAxis(kRotary, c.forward, c.reverse);
  Point()[kMXAC] = 8;
  Point()[kPCMD] = c.stored;
  Read();
  EXPECT_EQ(F().turns, c.turns);
  EXPECT_EQ(Number(kPositionRow), c.position);
  EXPECT_TRUE(ui.messages.empty());
  Write();
  EXPECT_EQ(Point()[kPCMD], c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, StoredTurns,
    testing::Values(TurnsCase{"TwoTurns", 0, 35999, 72100, "2", 100},
                    TurnsCase{"TwoTurnsBack", 0, 35999, -72100, "-2", -100},
                    TurnsCase{"TurnsBeyond16Bits", 0, 1, 100000, "50000", 0},
                    // Spans from 2^30 take no turns on write, so none are split off.
                    TurnsCase{"SpanOf2To30", -1073741824, 0, 1000, "0", 1000}),
    [](const auto& info) { return std::string(info.param.name); });

// A write adds no turns on such a span, so none are split off: the stored move lies beyond the
// relative range and is warned about and clamped like a typed one, instead of losing a turn.
TEST_F(PosEditCoreTest, TurnsAreSplitOffOnlyWhereAWriteAddsThemBack) {
  SetAxis(kRotary, -1073741824, 0);
  Point()[kMXAC] = 8;
  Point()[kPCMD] = 1073741829;
  Read();
  editor->Shown();
  EXPECT_EQ(F().turns, "0");
  EXPECT_EQ(Number(kPositionRow), 1073741824);
  EXPECT_EQ(ui.Warnings(), std::vector<std::string>{EditorText(EditorTxt::UpperLimitMessage)});
}

struct TurnsTypedCase {
  const char* name;
  const char* turns;
  bool written;
  std::int32_t stored;
};

void PrintTo(const TurnsTypedCase& c, std::ostream* os) { *os << c.name; }

class TypedTurns : public PosEditCoreTest, public testing::WithParamInterface<TurnsTypedCase> {};

// A position of 100 on span 35999: 59652 turns reach 2147472100, one more leaves 32 bits.
TEST_P(TypedTurns, ThatLeave32BitsAreRefused) {
  const TurnsTypedCase& c = GetParam();
  ReadRotaryPoint(8, 5);
  editor->SetTurns(c.turns);
  Type(kPositionRow, "100");
  EXPECT_EQ(Write(), c.written ? WriteResult::Written : WriteResult::Refused);
  EXPECT_EQ(Point()[kPCMD], c.stored);
  EXPECT_EQ(AxisUnsaved[kAxis], c.written);
  if (!c.written) {
    EXPECT_EQ(ui.Confirmations(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              std::string("Turns: ") + c.turns + "\n" + EditorText(EditorTxt::NotStored));
  }
}

INSTANTIATE_TEST_SUITE_P(Span35999, TypedTurns,
                         testing::Values(TurnsTypedCase{"LargestCountThatFits", "59652", true,
                                                        2147472100},
                                         TurnsTypedCase{"CountTooLarge", "59653", false, 5},
                                         TurnsTypedCase{"CountBeyond32Bits", "1e10", false, 5},
                                         TurnsTypedCase{"NoNumber", "2x", false, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RotaryPushCase {
  const char* name;
  bool reverse;
  bool relative;
  std::int32_t stored;
};

void PrintTo(const RotaryPushCase& c, std::ostream* os) { *os << c.name; }

class RotaryPush : public PosEditCoreTest, public testing::WithParamInterface<RotaryPushCase> {};

TEST_P(RotaryPush, AmountFollowsSideAndMove) {
  const RotaryPushCase& c = GetParam();
  ReadRotaryPoint(2);
  Type(kPositionRow, "9000");
  Type(kInPosRow, "123");
  editor->SelectPushReverse(c.reverse);
  EXPECT_TRUE(F().incre.enabled);  // a rotary axis pushes in relative moves too
  editor->CheckIncre_Click(c.relative);
  EXPECT_EQ(Write(), WriteResult::Written);
  EXPECT_EQ(Point()[kPCMD], 9000);
  EXPECT_EQ(Point()[kINP], c.stored);
}

INSTANTIATE_TEST_SUITE_P(Span35999, RotaryPush,
                         testing::Values(RotaryPushCase{"TowardTheForwardSide", false, false,
                                                        26999},
                                         RotaryPushCase{"TowardTheReverseSide", true, false, 9000},
                                         RotaryPushCase{"RelativeMove", false, true, 200000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosEditCoreTest, RotaryPushAmountStaysWithin32Bits) {
  SetAxis(kRotary, -1073741824, 1073741823);
  Point()[kMXAC] = 2;
  Point()[kPCMD] = -1073741824;
  Read();
  Write();
  EXPECT_EQ(Point()[kINP], std::numeric_limits<std::int32_t>::max());
}

// ---- The set-up ---------------------------------------------------------------------------------

TEST_F(PosEditCoreTest, FieldsFollowTheUnitSetUpOfTheAxis) {
  SetAxis(kUserLinear, 0, 10000);
  Read();
  EXPECT_EQ(F().positionUnit, "mm");
  EXPECT_EQ(F().accUnit, "G");
  EXPECT_EQ(F().currentCaption, EditorText(EditorTxt::PushForceCaption));
  EXPECT_EQ(F().slider[kSpeedRow].maximum, core.PointSetup().speedMaximum);
  EXPECT_EQ(F().slider[kGainRow].maximum, editors::kGainMaximum);
  // Another window sets up another axis while the editor is registered for the set-up.
  core.SetPointView(&*editor);
  SetAxis(kPulseMotor, 0, 10000, 4);
  core.ReadComParam(4);
  core.SetPointView(nullptr);
  EXPECT_EQ(F().positionUnit, "pulse");
  EXPECT_EQ(F().currentCaption, EditorText(EditorTxt::StopCurrentCaption));
  EXPECT_EQ(F().slider[kSpeedRow].maximum, 22500);
}

}  // namespace
