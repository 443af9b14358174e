// The unit set-up and the store of the common block, without a window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ComEditFixture.h"
#include "RecordingUi.h"
#include "axisdata/Selection.h"
#include "axisdata/Units.h"
#include "editors/ActuatorKind.h"

using namespace axisdata;
using editors::ComBox;
using editors::ComEditFields;

namespace {

class ComEditCoreTest : public ComEditFixture {
 protected:
  const ComEditFields& F() const { return core.Fields(); }

  // Reads the axis through the set-up, as AxNum does.
  void Read(std::int16_t axis = kAxis) { core.SetAxNum(axis); }

  void Type(ComBox box, const std::string& text) { core.SetText(box, text); }

  RecordingUi ui;
};

// ---- Type codes -------------------------------------------------------------------------------

struct TypeCase {
  const char* name;
  int code;
  int expansionByte;
  const char* unit;
  const char* lead;
  double leadValue;
  int typeIndex;
  int decimalsIndex;
  bool listsEnabled;
  bool catalogue;  // stroke box instead of limit boxes, two home entries
  bool strokeShown;
  const char* row4Caption;
  const char* stopFwdCaption;
  int speedMaximum, accMaximum, thrustMaximum;
};

void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }

class TypeCodes : public ComEditCoreTest, public testing::WithParamInterface<TypeCase> {};

TEST_P(TypeCodes, SetUpFollowsTheTypeCode) {
  const TypeCase& c = GetParam();
  SetAxis(c.code, c.expansionByte);
  Read();
  EXPECT_EQ(F().unit, c.unit);
  EXPECT_EQ(DisplayUnit, c.unit);
  EXPECT_EQ(F().lead, c.lead);
  EXPECT_EQ(F().resolution, "800");
  EXPECT_DOUBLE_EQ(Lead, c.leadValue);
  EXPECT_EQ(Resolution, 800);
  EXPECT_DOUBLE_EQ(UnitPerPulse, c.leadValue / 800);
  EXPECT_EQ(F().typeIndex, c.typeIndex);
  EXPECT_EQ(F().decimalsIndex, c.decimalsIndex);
  EXPECT_EQ(F().listsEnabled, c.listsEnabled);
  EXPECT_EQ(CatalogueModel, c.catalogue);
  EXPECT_EQ(F().strokeShown, c.strokeShown);
  EXPECT_EQ(F().strokeEditable, c.catalogue);
  EXPECT_EQ(F().limitsShown, !c.strokeShown);
  EXPECT_EQ(F().homeItems.size(), c.catalogue ? 2u : 5u);
  EXPECT_TRUE(F().homeListShown && F().homeListEnabled && F().interlockShown);
  EXPECT_EQ(F().unitLabel, F().unit);
  EXPECT_TRUE(ui.messages.empty());

  const editors::PointEditorSetup& point = core.PointSetup();
  EXPECT_EQ(point.row4Caption, c.row4Caption);
  EXPECT_EQ(point.stopFwdCaption, c.stopFwdCaption);
  EXPECT_EQ(point.speedMaximum, c.speedMaximum);
  EXPECT_EQ(point.accMaximum, c.accMaximum);
  EXPECT_EQ(point.thrustMaximum, c.thrustMaximum);
  EXPECT_EQ(point.positionUnit, F().unit);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TypeCodes,
    testing::Values(
        TypeCase{"PulseMotor", 0, 9, "pulse", "800", 800, 2, 0, true, false, false,
                 "Stop current", "Forward side", 22500, 2047, 100},
        TypeCase{"RotaryDegrees", 1, 4, "deg", " 90", 90, 1, 3, false, false, true,
                 "PusherForceCommand", "Forward side", 22500, 1000, 100},
        TypeCase{"RotaryHundredths", 2, 7, "deg", " 5142", 5142, 1, 3, false, false, true,
                 "PusherForceCommand", "Forward side", 22500, 1000, 100},
        TypeCase{"UserLinearWithBase", 4, 10, "mm", "26.6", 26.6, 0, 3, false, false, false,
                 "PusherForceCommand", "Forward side", 22500, 1000, 100},
        TypeCase{"UserLinear", 0x15, 3, "mm", "4.8", 4.8, 0, 3, false, false, false,
                 "PusherForceCommand", "Forward side", 22500, 1000, 100},
        TypeCase{"LastUserLinear", 87, 2, "mm", "1.885", 1.885, 0, 3, false, false, false,
                 "PusherForceCommand", "Forward side", 22500, 1000, 100},
        TypeCase{"Code88IsCatalogue", 88, 0, "mm", "16", 16, 0, 3, false, true, true,
                 "PusherForceCommand", "Forward end side", 22500, 1000, 100},
        TypeCase{"CatalogueB", 0x2B, 0, "mm", "3", 3, 0, 3, false, true, true,
                 "PusherForceCommand", "Forward end side", 12500, 1000, 100},
        TypeCase{"CatalogueC", 0x2C, 0, "mm", "6", 6, 0, 3, false, true, true,
                 "PusherForceCommand", "Forward end side", 22500, 1000, 65},
        TypeCase{"CatalogueF", 0xCF, 0, "mm", "8", 8, 0, 3, false, true, true,
                 "PusherForceCommand", "Forward end side", 12500, 750, 100}),
    [](const auto& info) { return std::string(info.param.name); });

struct MarginCase {
  const char* name;
  int code;
  std::int16_t margin;
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << c.name; }

class LimitMargins : public ComEditCoreTest, public testing::WithParamInterface<MarginCase> {};

TEST_P(LimitMargins, CatalogueCodesSetTheMarginOtherCodesKeepIt) {
  const MarginCase& c = GetParam();
  SetAxis(0x0B, 0, 1);
  Read(1);
  ASSERT_EQ(core.PointSetup().limitMargin, 15);
  SetAxis(c.code, 1);
  Read();
  EXPECT_EQ(core.PointSetup().limitMargin, c.margin);
}

INSTANTIATE_TEST_SUITE_P(Codes, LimitMargins,
                         testing::Values(MarginCase{"B", 0x1B, 15}, MarginCase{"C", 0x3C, 7},
                                         MarginCase{"E", 0x0E, 7}, MarginCase{"F", 0x6F, 7},
                                         MarginCase{"A", 0x4A, 0}, MarginCase{"D", 0xDD, 0},
                                         MarginCase{"UserLinear", 0x15, 15},
                                         MarginCase{"Rotary", 1, 15},
                                         MarginCase{"PulseMotor", 0, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComEditCoreTest, AxNumShowsTheAxisAndItsModel) {
  SetAxis(0x2C, 0, 10);
  Words(10)[kOptionWord] = kAbsoluteEncoderOption;
  Read(10);
  EXPECT_EQ(CurAxis, 10);
  EXPECT_EQ(core.AxNum(), 10);
  EXPECT_EQ(F().axisNumber, "A");
  EXPECT_EQ(F().typeName, ModelName(0x2C, kAbsoluteEncoderOption));
}

TEST_F(ComEditCoreTest, ARotaryActuatorIsAUserTypeWhateverTheAxisBefore) {
  SetAxis(0x2C, 0, 1);
  Read(1);
  ASSERT_TRUE(CatalogueModel);
  SetAxis(1, 4);
  Words()[kHomeModeWord] = 6;
  Read();
  EXPECT_FALSE(CatalogueModel);
  EXPECT_EQ(F().homeItems.size(), 5u);
  EXPECT_EQ(F().homeIndex, 2);
  EXPECT_FALSE(F().strokeEditable);
}

TEST_F(ComEditCoreTest, ZeroLeadIsRefusedAndTheUnitsStay) {
  SetAxis(0x2C);
  Read();
  struct Case {
    const char* name;
    int code;
    int expansionByte;
    const char* lead;
  };
  const Case cases[] = {{"UserLinearWithoutExpansion", 3, 0, "0"},
                        {"UserLinearLeadZero", 0x40, 0, "0"},
                        {"RotaryWithoutExpansion", 1, 0, " 0"},
                        {"DamagedTypeWord", 300, 0, "0"}};
  for (const Case& c : cases) {
    ui.messages.clear();
    SetAxis(c.code, c.expansionByte);
    Read();
    EXPECT_EQ(F().lead, c.lead) << c.name;
    ASSERT_EQ(ui.messages.size(), 1u) << c.name;
    EXPECT_EQ(ui.messages[0].text, "Pitch=0 is not allowed.") << c.name;
    EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation) << c.name;
    EXPECT_EQ(Lead, 6) << c.name;
    EXPECT_EQ(Resolution, 800) << c.name;
    EXPECT_EQ(UnitPerPulse, 6.0 / 800) << c.name;
  }
}

TEST_F(ComEditCoreTest, CatalogueLeadTakesTheDecimalSign) {
  platform::SetDecimalSign(',');
  SetAxis(0x60);  // lead "2.5"
  Read();
  EXPECT_EQ(F().lead, "2,5");
  EXPECT_EQ(Lead, 2.5);
  EXPECT_TRUE(ui.messages.empty());
}

// ---- Limits and zones -------------------------------------------------------------------------

TEST_F(ComEditCoreTest, EqualLimitsBecomeReverseIsForwardPlusOne) {
  SetAxis(0x15, 3);
  Words()[kFwdLimitWord] = Words()[kRvsLimitWord] = 500;
  Read();
  EXPECT_EQ(FwdLimitPulses, 500);
  EXPECT_EQ(RvsLimitPulses, 501);
  EXPECT_EQ(UnitToPulses(F().fwdLimit), 500);
  EXPECT_EQ(UnitToPulses(F().rvsLimit), 501);
}

TEST_F(ComEditCoreTest, LimitsAreClampedAndSliderScalesHandedOn) {
  SetAxis(0);
  Words()[kFwdLimitWord] = -2000000000;
  Words()[kRvsLimitWord] = 2000000000;
  Read();
  EXPECT_EQ(FwdLimitPulses, kLimitMinimum);
  EXPECT_EQ(RvsLimitPulses, kLimitMaximum);
  Words()[kFwdLimitWord] = 0;
  Words()[kRvsLimitWord] = 1000;
  Read();
  for (const auto& slider : core.PointSetup().positionSliders) {
    EXPECT_EQ(slider.maximum, kSliderMaximum);
    EXPECT_EQ(slider.step, 33);
  }
}

TEST_F(ComEditCoreTest, RotaryAxesTakeTheirOwnLimitWords) {
  SetAxis(1, 1);
  Words()[kRotaryFwdLimitWord] = 0;
  Words()[kRotaryRvsLimitWord] = 800;
  Read();
  EXPECT_EQ(FwdLimitPulses, 0);
  EXPECT_EQ(RvsLimitPulses, 800);
  EXPECT_EQ(F().stroke, "360.000");
}

TEST_F(ComEditCoreTest, ZonesKeepForwardBelowReverse) {
  struct Case {
    const char* name;
    std::int32_t fwd, rvs, fwdRead, rvsRead;
  };
  const Case cases[] = {
      {"Ordered", 100, 900, 100, 900},
      {"Equal", 100, 100, 100, 101},
      {"Reversed", 900, 100, 900, 901},
      {"ForwardAtTheTop", 2147483647, 0, 2147483646, 2147483647},
  };
  SetAxis(0);
  for (const Case& c : cases) {
    Words()[kFwdZoneWord] = c.fwd;
    Words()[kRvsZoneWord] = c.rvs;
    Read();
    EXPECT_EQ(core.FwdZonePulses(), c.fwdRead) << c.name;
    EXPECT_EQ(core.RvsZonePulses(), c.rvsRead) << c.name;
    EXPECT_EQ(F().fwdZone, std::to_string(c.fwdRead)) << c.name;
    EXPECT_EQ(F().rvsZone, std::to_string(c.rvsRead)) << c.name;
  }
}

TEST_F(ComEditCoreTest, HomeSpeedAccelerationAndCurrent) {
  SetAxis(0x2C);  // lead 6
  Words()[kHomeCurrentWord] = 87;
  Read();
  EXPECT_EQ(F().homeSpeed, "10.00");  // 6 x 500 x 0.2 / 60
  EXPECT_EQ(F().homeAcc, "0.102");    // 6 x 100 x 0.1 / 588
  EXPECT_EQ(F().accUnit, "G");
  EXPECT_EQ(core.PointSetup().accUnit, "G");
  EXPECT_EQ(F().homeCurrent, " 38.8392857142857");  // 87 of 224
}

// ---- Home modes -------------------------------------------------------------------------------

struct HomeCase {
  const char* name;
  std::int32_t word;
  int index;
  bool homing, push;
  std::int32_t stored;
};

void PrintTo(const HomeCase& c, std::ostream* os) { *os << c.name; }

class UserHomeModes : public ComEditCoreTest, public testing::WithParamInterface<HomeCase> {};

TEST_P(UserHomeModes, ListEntryAndStoredMode) {
  const HomeCase& c = GetParam();
  SetAxis(0x15, 3);
  Words()[kHomeModeWord] = c.word;
  Read();
  EXPECT_EQ(F().homeIndex, c.index);
  EXPECT_EQ(F().homingShown, c.homing);
  EXPECT_EQ(F().pushShown, c.push);
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kHomeModeWord], c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UserHomeModes,
    testing::Values(HomeCase{"Immediately", 0, 0, false, false, 0},
                    HomeCase{"Mode3NotListed", 3, 0, false, false, 0},
                    HomeCase{"Mode4NotListed", 4, 0, false, false, 0},
                    HomeCase{"EdgePlus", 5, 1, true, false, 5},
                    HomeCase{"EdgeMinus", 6, 2, true, false, 6},
                    HomeCase{"StopperPlus", 7, 3, true, true, 7},
                    HomeCase{"StopperMinus", 8, 4, true, true, 8},
                    HomeCase{"Beyond16Bits", 0x10005, 0, false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComEditCoreTest, UserHomeClickShowsTheGroupsOfTheMode) {
  SetAxis(0x15, 3);
  Read();
  const std::pair<bool, bool> shown[] = {
      {false, false}, {true, false}, {true, false}, {true, true}, {true, true}};
  for (int index = 4; index >= 0; --index) {
    core.CmbHomeSel_Click(index);
    EXPECT_EQ(F().homingShown, shown[index].first) << index;
    EXPECT_EQ(F().pushShown, shown[index].second) << index;
  }
}

TEST_F(ComEditCoreTest, CatalogueHomeSideFollowsTheLimits) {
  SetAxis(0x2C);
  Words()[kHomeModeWord] = 0;
  Read();
  EXPECT_EQ(F().homeIndex, 0);
  EXPECT_TRUE(F().homingShown && F().pushShown);
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kHomeModeWord], 8);

  Words()[kFwdLimitWord] = -1008;
  Words()[kRvsLimitWord] = 8;
  Read();
  EXPECT_EQ(F().homeIndex, 1);
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kHomeModeWord], 7);
}

TEST_F(ComEditCoreTest, ChoosingTheOtherHomeEndMirrorsTheLimits) {
  SetAxis(0x2C);  // -8 / 1008 pulses: -0.060 / 7.560 mm, home at the forward end
  Read();
  core.CmbHomeSel_Click(1);
  EXPECT_EQ(F().fwdLimit, "-7.56");
  EXPECT_EQ(F().rvsLimit, "0.06");
  core.CmbHomeSel_Click(1);  // already on that side
  EXPECT_EQ(F().fwdLimit, "-7.56");
  ASSERT_TRUE(core.CmdConf_Click());  // the mirrored limits are stored as they show
  EXPECT_EQ(Words()[kFwdLimitWord], -1008);
  EXPECT_EQ(Words()[kRvsLimitWord], 8);
  core.CmbHomeSel_Click(0);
  EXPECT_EQ(F().fwdLimit, "-0.06");
  EXPECT_EQ(F().rvsLimit, "7.56");
}

// ---- Stroke -----------------------------------------------------------------------------------

struct StrokeCase {
  const char* name;
  int homeIndex;
  const char* typed;
  std::int32_t stroke, fwd, rvs;
};

void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.name; }

class Strokes : public ComEditCoreTest, public testing::WithParamInterface<StrokeCase> {};

TEST_P(Strokes, StrokeSetsTheLimitsBesideTheHomeEnd) {
  const StrokeCase& c = GetParam();
  SetAxis(0x2C);  // 150 mm, lead 6: 20000 pulses
  Read();
  ASSERT_EQ(core.StrokeMaxPulses(), 20000);
  core.CmbHomeSel_Click(c.homeIndex);
  const std::int32_t fwdBefore = FwdLimitPulses;
  Type(ComBox::Stroke, c.typed);
  core.CommitBox(ComBox::Stroke);
  EXPECT_EQ(UnitToPulses(F().stroke), c.stroke);
  EXPECT_EQ(UnitToPulses(F().fwdLimit), c.fwd);
  EXPECT_EQ(UnitToPulses(F().rvsLimit), c.rvs);
  EXPECT_EQ(FwdLimitPulses, fwdBefore);  // the limits count from OK on
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kFwdLimitWord], c.fwd);
  EXPECT_EQ(Words()[kRvsLimitWord], c.rvs);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Strokes,
    testing::Values(StrokeCase{"AboveTheCatalogueStroke", 0, "200", 20000, -8, 20008},
                    StrokeCase{"BelowThirtyTwoPulses", 0, "0.075", 32, -8, 40},
                    StrokeCase{"NegativeStroke", 0, "-5", 32, -8, 40},
                    StrokeCase{"ThousandPulsesHomeForward", 0, "7.5", 1000, -8, 1008},
                    StrokeCase{"ThousandPulsesHomeReverse", 1, "7.5", 1000, -1008, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComEditCoreTest, UserTypesApplyNoStroke) {
  SetAxis(1, 1);
  Read();
  const std::string limit = F().fwdLimit;
  Type(ComBox::Stroke, "10");
  core.CommitBox(ComBox::Stroke);
  EXPECT_EQ(F().fwdLimit, limit);
}

// ---- Commits and the coordinate type ----------------------------------------------------------

TEST_F(ComEditCoreTest, EnterInABoxSetsItsSharedValueAtOnce) {
  SetAxis(0);
  Read();
  Type(ComBox::FwdLimit, "-50");
  core.CommitBox(ComBox::FwdLimit);
  Type(ComBox::RvsLimit, "5000");
  core.CommitBox(ComBox::RvsLimit);
  Type(ComBox::FwdZone, "10");
  core.CommitBox(ComBox::FwdZone);
  Type(ComBox::RvsZone, "20");
  core.CommitBox(ComBox::RvsZone);
  EXPECT_EQ(FwdLimitPulses, -50);
  EXPECT_EQ(RvsLimitPulses, 5000);
  EXPECT_EQ(core.FwdZonePulses(), 10);
  EXPECT_EQ(core.RvsZonePulses(), 20);
  EXPECT_EQ(Words()[kFwdLimitWord], -8);  // stored only by OK

  Type(ComBox::FwdLimit, "abc");
  core.CommitBox(ComBox::FwdLimit);
  EXPECT_EQ(FwdLimitPulses, -50);
  EXPECT_EQ(F().fwdLimit, "abc");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ComEditCoreTest, CoordinateTypeSetsTheUnit) {
  SetAxis(0);
  Read();
  core.ComboType_Click(0);
  EXPECT_EQ(F().unit, "mm");
  EXPECT_EQ(DisplayUnit, "mm");
  core.ComboType_Click(2);
  EXPECT_EQ(F().unit, "mm");
  core.ComboType_Click(1);
  EXPECT_EQ(DisplayUnit, "deg");
  core.ComboReso_Click(2);
  EXPECT_EQ(FormatPulses(5), "5.00");
}

// ---- Store ------------------------------------------------------------------------------------

TEST_F(ComEditCoreTest, OkStoresEveryWordRuleAndMarksTheAxis) {
  SetAxis(0x15, 3);  // lead 4.8 mm, 0.006 mm per pulse
  Words()[kHomeModeWord] = 7;
  Words()[kOptionWord] = 3;
  Read();
  Type(ComBox::FwdLimit, "-1.2");
  Type(ComBox::RvsLimit, "60");
  Type(ComBox::FwdZone, "0.6");
  Type(ComBox::RvsZone, "30");
  Type(ComBox::HomeSpeed, "8");
  Type(ComBox::HomeCurrent, "50.4");
  core.CmbHomeSel_Click(2);
  core.CheckILK_Click(true);
  AxisWords before = Words();
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kFwdLimitWord], -200);
  EXPECT_EQ(Words()[kRvsLimitWord], 10000);
  EXPECT_EQ(Words()[kFwdZoneWord], 100);
  EXPECT_EQ(Words()[kRvsZoneWord], 5000);
  EXPECT_EQ(Words()[kHomeSpeedWord], 500);      // 8 x 60 / (4.8 x 0.2)
  EXPECT_EQ(Words()[kHomeCurrentWord], 112);    // 50 % of 224
  EXPECT_EQ(Words()[kHomeModeWord], 6);
  EXPECT_EQ(Words()[kAxisFlagsWord], 8);
  EXPECT_EQ(FwdLimitPulses, -200);
  EXPECT_EQ(RvsLimitPulses, 10000);
  EXPECT_TRUE(AxisUnsaved[kAxis]);
  EXPECT_TRUE(AxisUnsent[kAxis]);
  // Not written: rotary limits, home acceleration, option, type code, expansion word.
  for (int word : {32, 33, 43, 54, 55, kExpansionWord}) {
    EXPECT_EQ(Words()[word], before[word]) << word;
  }
  EXPECT_FALSE(AxisUnsaved[kAxis + 1]);
}

TEST_F(ComEditCoreTest, RotaryStoreWritesBothPairsOfLimits) {
  SetAxis(1, 1);  // 0.45 degrees per pulse
  Words()[kRotaryFwdLimitWord] = 0;
  Words()[kRotaryRvsLimitWord] = 800;
  Words()[kFwdLimitWord] = 5;
  Words()[kRvsLimitWord] = 6;
  Read();
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kRotaryFwdLimitWord], 0);
  EXPECT_EQ(Words()[kRotaryRvsLimitWord], 800);
  EXPECT_EQ(Words()[kFwdLimitWord], 0);
  EXPECT_EQ(Words()[kRvsLimitWord], 800);
}

TEST_F(ComEditCoreTest, InterlockChangesOnlyItsBit) {
  struct Case {
    const char* name;
    std::uint32_t word;
    bool checked;
    std::uint32_t stored;
  };
  const Case cases[] = {{"SetOnBitZero", 0x00000001, true, 0x00000009},
                        {"ClearedOnAllBits", 0xFFFFFFFF, false, 0xFFFFFFF7},
                        {"KeptSet", 0x00000008, true, 0x00000008}};
  SetAxis(0);
  for (const Case& c : cases) {
    Words()[kAxisFlagsWord] = static_cast<std::int32_t>(c.word);
    Read();
    EXPECT_EQ(F().interlock, (c.word & 8) != 0) << c.name;
    core.CheckILK_Click(c.checked);
    ASSERT_TRUE(core.CmdConf_Click()) << c.name;
    EXPECT_EQ(static_cast<std::uint32_t>(Words()[kAxisFlagsWord]), c.stored) << c.name;
  }
}

// The box shows the word in percent of 224, not always a whole one; stored unchanged it keeps
// the word, and a typed percent is stored as a whole one.
TEST_F(ComEditCoreTest, HomingCurrentDoesNotDriftOverRepeatedStores) {
  SetAxis(0);
  for (std::int32_t word : {0, 1, 87, 112, 200, 224, 255}) {
    Words()[kHomeCurrentWord] = word;
    Read();
    ASSERT_TRUE(core.CmdConf_Click()) << word;
    EXPECT_EQ(Words()[kHomeCurrentWord], word) << word;
  }
  Type(ComBox::HomeCurrent, "44.6");
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words()[kHomeCurrentWord], 101);  // 45 % of 224, rounded
}

// Every box shows a rounding of its word; with nothing typed, OK stores the block read.
TEST_F(ComEditCoreTest, OkWithNothingTypedKeepsTheBlockOfEveryKind) {
  for (const int code : {0x00, 0x01, 0x03, 0x15, 0x2C, 0x2B}) {
    SetAxis(code, 3);
    Words()[kFwdZoneWord] = 101;
    Words()[kRvsZoneWord] = 903;
    Words()[kHomeSpeedWord] = 1001;
    Words()[kHomeCurrentWord] = 101;
    Words()[kHomeModeWord] = editors::KindOf(code) == editors::ActuatorKind::Catalogue ? 8 : 5;
    Read();
    const AxisWords read = Words();
    ASSERT_TRUE(core.CmdConf_Click()) << code;
    EXPECT_EQ(Words(), read) << code;
  }
}

// The stroke box shows the travel between the limits, margins included; Enter on it unchanged,
// or OK again, moves no limit.
TEST_F(ComEditCoreTest, AnUnchangedStrokeLeavesTheLimits) {
  SetAxis(0x2C);
  Read();
  Type(ComBox::Stroke, "100");
  core.CommitBox(ComBox::Stroke);
  ASSERT_TRUE(core.CmdConf_Click());
  const AxisWords stored = Words();
  const std::string shown = F().stroke;
  EXPECT_NE(shown, "100.000");  // the travel: stroke and both margins
  for (int i = 0; i < 3; ++i) {
    core.CommitBox(ComBox::Stroke);
    ASSERT_TRUE(core.CmdConf_Click());
    EXPECT_EQ(Words(), stored) << i;
    EXPECT_EQ(F().stroke, shown) << i;
  }
  Type(ComBox::Stroke, "50");  // a changed stroke still sets them
  core.CommitBox(ComBox::Stroke);
  EXPECT_EQ(UnitToPulses(F().rvsLimit) - UnitToPulses(F().fwdLimit), UnitToPulses("50") + 16);
}

TEST_F(ComEditCoreTest, OkTwiceStoresTheSameBlock) {
  SetAxis(0x2C);
  Read();
  Type(ComBox::Stroke, "100");
  core.CommitBox(ComBox::Stroke);
  Type(ComBox::HomeSpeed, "12.34");
  ASSERT_TRUE(core.CmdConf_Click());
  const AxisWords first = Words();
  AxisUnsaved.fill(false);
  ASSERT_TRUE(core.CmdConf_Click());
  EXPECT_EQ(Words(), first);
  EXPECT_TRUE(AxisUnsaved[kAxis]);
}

struct BadBoxCase {
  const char* name;
  ComBox box;
  const char* text;
  const char* caption;
};

void PrintTo(const BadBoxCase& c, std::ostream* os) { *os << c.name; }

class BadBoxes : public ComEditCoreTest, public testing::WithParamInterface<BadBoxCase> {};

TEST_P(BadBoxes, RefuseTheWholeStoreWithAMessage) {
  const BadBoxCase& c = GetParam();
  SetAxis(0x15, 3);
  Read();
  const AxisWords before = Words();
  const std::int32_t fwd = FwdLimitPulses, zone = core.FwdZonePulses();
  Type(ComBox::FwdZone, "0.12");  // a good edit that must not be stored alone either
  Type(c.box, c.text);
  EXPECT_FALSE(core.CmdConf_Click());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, std::string(c.caption) + ": " + c.text +
                                     "\nThis is no number, or it is out of range. Nothing was "
                                     "stored.");
  EXPECT_EQ(Words(), before);
  EXPECT_FALSE(AxisUnsaved[kAxis] || AxisUnsent[kAxis]);
  EXPECT_EQ(FwdLimitPulses, fwd);
  EXPECT_EQ(core.FwdZonePulses(), zone);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BadBoxes,
    testing::Values(
        BadBoxCase{"ForwardLimitText", ComBox::FwdLimit, "abc", "Forward Stroke Limit"},
        BadBoxCase{"ReverseLimitEmpty", ComBox::RvsLimit, "", "Reverse Stroke Limit"},
        BadBoxCase{"ReverseZoneTooLarge", ComBox::RvsZone, "1e12", "Reverse Zone Boundary"},
        BadBoxCase{"HomeSpeedText", ComBox::HomeSpeed, "fast", "Homing Speed"},
        BadBoxCase{"HomingCurrentText", ComBox::HomeCurrent, "half", "Push Current"},
        BadBoxCase{"HomingCurrentTooLarge", ComBox::HomeCurrent, "1e10", "Push Current"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Views ------------------------------------------------------------------------------------

struct CountingViews : editors::ComEditView, editors::PointEditorView {
  void ShowComParam() override { ++fields; }
  void ShowPointSetup(const editors::PointEditorSetup& setup) override {
    ++points;
    last = setup;
  }
  int fields = 0, points = 0;
  editors::PointEditorSetup last;
};

TEST_F(ComEditCoreTest, ViewsAreToldOnceAfterAnOperationThatChangedWhatTheyShow) {
  CountingViews views;
  core.SetView(&views);
  core.SetPointView(&views);
  SetAxis(0x2C);
  Read();
  EXPECT_EQ(views.fields, 1);
  EXPECT_EQ(views.points, 1);
  EXPECT_EQ(views.last.speedMaximum, 22500);
  EXPECT_EQ(views.last.limitMargin, 7);
  core.CmdConf_Click();  // stores what is shown
  EXPECT_EQ(views.fields, 1);
  core.CheckILK_Click(true);
  EXPECT_EQ(views.fields, 2);
  EXPECT_EQ(views.points, 1);
  DisplayUnit = "deg";
  AccCodeToText(100);  // a conversion outside the editor sets the acceleration labels
  EXPECT_EQ(views.fields, 3);
  EXPECT_EQ(views.points, 2);
  EXPECT_EQ(views.last.accUnit, "r/min/ms");
  core.SetView(nullptr);
  core.SetPointView(nullptr);
}

TEST_F(ComEditCoreTest, ReadComParamIsTheProgramsUnitSetUp) {
  SetAxis(0x2C, 0, 3);
  axisdata::ReadComParam(3);
  EXPECT_EQ(Lead, 6);
  EXPECT_TRUE(CatalogueModel);
  EXPECT_EQ(F().lead, "6");
  axisdata::ReadComParam(17);  // outside the image: nothing happens
  EXPECT_EQ(Lead, 6);
}

}  // namespace
