// The monitor's polling against a gateway of fixed words: the link state, the seven steps, the
// unit set-up, and what a word that does not arrive does.
#include <gtest/gtest.h>

#include "MonitorFakes.h"
#include "axisdata/Tables.h"
#include "editors/MonitorLamps.h"
#include "resources/UiText.h"

using editors::MonitorPolling;
using Reopening = editors::SerialLine::Reopening;
using editors::Shade;

namespace {

constexpr std::int32_t kBothOnline = 0x00010001;

class MonitorPollingTest : public testing::Test {
 protected:
  void SetUp() override {
    resources::LoadUiText(4000);
    axisdata::InitActuatorTables();
    for (std::uint16_t word : {0x9010, 0xA000, 0x7400, 0x8011, 0x8033, 0x7001}) {
      reader.words[word] = 0;
    }
    reader.words[0x8040] = kBothOnline;
  }

  // The unit set-up's words, for an actuator counted in pulses.
  void GiveUnitWords() {
    reader.words[0x0017] = 0x00;
    reader.words[0xFD46] = 0;
  }

  // Ticks until `step` is the next to run (at most one cycle); forgets the reads.
  void TickTo(std::int16_t step) {
    for (int n = 0; n < 8 && polling.PollStep() != step; ++n) polling.Tick();
    ASSERT_EQ(polling.PollStep(), step);
    reader.reads.clear();
  }

  FakeReader reader;
  FakeLine line;
  FakeView view;
  std::int16_t curAxis = 0;
  MonitorPolling polling{reader, line, view, curAxis, axisdata::GetLead};
};

using Addresses = std::vector<std::uint16_t>;

}  // namespace

TEST_F(MonitorPollingTest, OneCycleReadsTheLinkStateAndThenOneWordPerTickForTheShownAxis) {
  curAxis = 5;
  reader.words[0x9015] = 0;
  reader.words[0xA005] = -7;
  reader.words[0x7400] = 1600;
  reader.words[0x8011] = 0x1234;
  reader.words[0x8033] = 0x00050003;
  reader.words[0x7001] = 0x21;
  std::vector<Addresses> ticks;
  for (int n = 0; n < 6; ++n) {
    polling.Tick();
    ticks.push_back(reader.TakeAddresses());
  }
  EXPECT_EQ(ticks, (std::vector<Addresses>{{0x8040, 0x9015}, {0x8040, 0xA005}, {0x8040, 0x7400},
                                           {0x8040, 0x8011}, {0x8040, 0x8033}, {0x8040, 0x7001}}));
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kStatus);
  EXPECT_EQ(view.pointNumber, "-7");
  EXPECT_EQ(view.position, "1600.000");  // no unit set up yet: the pulses themselves
  EXPECT_EQ(view.unifiedPoint, "52");     // byte 0 of 0x1234
  EXPECT_EQ(view.groupPfin, 0x00050003u);
  EXPECT_EQ(view.groupAlarm, 0x00050003u);
  EXPECT_EQ(view.history[0], std::make_pair(std::string("Alarm : 21"), Shade::Alarm));
  EXPECT_EQ(view.fieldbus, true);
  EXPECT_EQ(view.serial, true);
}

TEST_F(MonitorPollingTest, FieldbusOfflineWithTheSerialSideOnlineStillAdvances) {
  reader.words[0x8040] = 0x00010000;
  polling.Tick();
  EXPECT_EQ(view.fieldbus, false);
  EXPECT_EQ(view.serial, true);
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kPointNumber);
}

TEST_F(MonitorPollingTest, TheSerialSideOfflineSkipsTheStepAndResumesAtIt) {
  reader.words[0x8040] = 0x00000001;
  polling.Tick();
  EXPECT_EQ(view.fieldbus, true);
  EXPECT_EQ(view.serial, false);
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040}));
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kStatus);
  reader.words[0x8040] = kBothOnline;
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040, 0x9010}));
}

TEST_F(MonitorPollingTest, StatusWordWithBits31And0LightsLamps7And24) {
  reader.words[0x9010] = static_cast<std::int32_t>(0x80000001u);
  view.alarmAddress = "Address=123     ";
  polling.Tick();
  EXPECT_EQ(view.bitLamps, (std::map<int, std::uint8_t>{{0, 0x80}, {8, 0}, {16, 0}, {24, 0x01}}));
  const auto status = editors::BitLampShades(view.bitLamps[0]);
  const auto outputs = editors::BitLampShades(view.bitLamps[24]);
  EXPECT_EQ(status[7], Shade::Set);  // lamp 7, "Rejection of command"
  EXPECT_EQ(outputs[0], Shade::Set);  // lamp 24, "PM1"
  EXPECT_EQ(status[6], Shade::Clear);
  EXPECT_EQ(outputs[1], Shade::Clear);
  EXPECT_EQ(view.alarmCode, std::make_pair(std::string("Normal : 00"), Shade::Set));
  EXPECT_EQ(view.alarmAddress, "");
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kPointNumber);
}

TEST_F(MonitorPollingTest, AlarmB0IsFollowedByTheAlarmAddressOnTheNextTick) {
  reader.words[0x9010] = 0x00B00000;
  reader.words[0x7009] = 0x12345678;
  polling.Tick();
  EXPECT_EQ(view.alarmCode, std::make_pair(std::string("Alarm : B0"), Shade::Alarm));
  reader.reads.clear();
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040, 0x7009}));
  EXPECT_EQ(view.alarmAddress, "Address=678     ");
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kPointNumber);
}

TEST_F(MonitorPollingTest, Alarm21GoesOnToThePointNumberAndKeepsTheLastAddress) {
  view.alarmAddress = "Address=678     ";
  reader.words[0x9010] = 0x00210000;
  polling.Tick();
  EXPECT_EQ(view.alarmCode, std::make_pair(std::string("Alarm : 21"), Shade::Alarm));
  reader.reads.clear();
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040, 0xA000}));
  EXPECT_EQ(view.alarmAddress, "Address=678     ");
}

namespace {

struct AddressCase {
  const char* name;
  std::uint32_t word;
  const char* text;
};
void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class AlarmAddress : public MonitorPollingTest,
                     public testing::WithParamInterface<AddressCase> {};

}  // namespace

TEST_P(AlarmAddress, ShowsDigitsSixToEightOfItsHexadecimalText) {
  reader.words[0x9010] = 0x00B10000;
  reader.words[0x7009] = static_cast<std::int32_t>(GetParam().word);
  polling.Tick();
  polling.Tick();
  EXPECT_EQ(view.alarmAddress, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Words, AlarmAddress,
    testing::Values(AddressCase{"EightDigits", 0x12345678, "Address=678     "},
                    AddressCase{"SixDigits", 0xABCDEF, "Address=F       "},
                    AddressCase{"FiveDigits", 0x12345, "Address=        "},
                    AddressCase{"Negative", 0xFFFFFABC, "Address=ABC     "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonitorPollingTest, TheHistoryIndexWrapsToZeroAfterEntrySeven) {
  for (std::uint16_t a = 0x7001; a <= 0x7008; ++a) reader.words[a] = a == 0x7008 ? 0xB1 : 0;
  Addresses history;
  for (int cycle = 0; cycle < 9; ++cycle) {
    TickTo(MonitorPolling::kHistory);
    polling.Tick();
    history.push_back(reader.TakeAddresses().back());
  }
  EXPECT_EQ(history, (Addresses{0x7001, 0x7002, 0x7003, 0x7004, 0x7005, 0x7006, 0x7007, 0x7008,
                                0x7001}));
  EXPECT_EQ(polling.HistoryIndex(), 1);
  EXPECT_EQ(view.history[7], std::make_pair(std::string("Alarm : B1"), Shade::Alarm));
  EXPECT_EQ(view.history[0], std::make_pair(std::string("Normal : 00"), Shade::Set));
}

TEST_F(MonitorPollingTest, AStepWhoseWordDoesNotArriveShowsTheSerialSideOfflineAndRunsAgain) {
  reader.words.erase(0x7400);
  TickTo(MonitorPolling::kPosition);
  polling.Tick();
  EXPECT_EQ(view.serial, false);
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kPosition);
  reader.words[0x7400] = -1234;
  polling.Tick();
  EXPECT_EQ(view.serial, true);
  EXPECT_EQ(view.position, "-1234.000");
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kUnifiedPoint);
}

namespace {

constexpr std::uint16_t kStepWords[] = {0x9010, 0xA000, 0x7400, 0x8011, 0x8033, 0x7001};

// A gateway that stops answering in one way and answers again.
struct QuietCase {
  const char* name;
  void (*quiet)(FakeReader&);
  void (*back)(FakeReader&);
  bool fieldbus;  // as shown while it is quiet
};
void PrintTo(const QuietCase& c, std::ostream* os) { *os << c.name; }

class QuietGateway : public MonitorPollingTest, public testing::WithParamInterface<QuietCase> {};

}  // namespace

TEST_P(QuietGateway, MarksThePictureStaleOnceAndGoesOnLiveWhenItAnswersAgain) {
  polling.Tick();
  ASSERT_EQ(view.fieldbus, true);
  GetParam().quiet(reader);
  polling.Tick();
  polling.Tick();
  EXPECT_EQ(view.staleShown, 1);
  EXPECT_EQ(view.serial, false);
  EXPECT_EQ(view.fieldbus, GetParam().fieldbus);

  GetParam().back(reader);
  polling.Tick();
  EXPECT_EQ(view.serial, true);
  EXPECT_EQ(view.fieldbus, true);
  GetParam().quiet(reader);
  polling.Tick();
  EXPECT_EQ(view.staleShown, 2);  // a new silence is shown again
}

INSTANTIATE_TEST_SUITE_P(
    Ways, QuietGateway,
    testing::Values(
        QuietCase{"NoLinkStateWord", [](FakeReader& r) { r.words.erase(0x8040); },
                  [](FakeReader& r) { r.words[0x8040] = kBothOnline; }, false},
        QuietCase{"NoStepWord",
                  [](FakeReader& r) {
                    for (std::uint16_t word : kStepWords) r.words.erase(word);
                  },
                  [](FakeReader& r) {
                    for (std::uint16_t word : kStepWords) r.words[word] = 0;
                  },
                  true},
        QuietCase{"SerialSideOffline", [](FakeReader& r) { r.words[0x8040] = 0x00000001; },
                  [](FakeReader& r) { r.words[0x8040] = kBothOnline; }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonitorPollingTest, ALostLineIsOpenedAgainAtOnceAndItsUnitReadAgain) {
  GiveUnitWords();
  line.lost = true;
  line.outcomes = {Reopening::Opened};
  polling.Tick();
  EXPECT_EQ(line.reopens, 1);
  EXPECT_EQ(view.lossesTold, 0);
  EXPECT_EQ(reader.TakeAddresses(),
            (Addresses{0x8040, 0x0017, 0x0017, 0xFD46, 0xFD46, 0x9010}));
  EXPECT_EQ(view.unit, "pulse");
  EXPECT_EQ(view.serial, true);
}

TEST_F(MonitorPollingTest, ALineThatCannotBeOpenedAgainIsToldOnceAndTriedAgainAfterAPause) {
  GiveUnitWords();
  line.lost = true;
  polling.Tick();
  EXPECT_EQ(line.reopens, 1);
  EXPECT_EQ(view.lossesTold, 1);
  EXPECT_EQ(view.staleShown, 1);
  EXPECT_EQ(view.serial, false);
  EXPECT_EQ(view.fieldbus, false);
  for (int n = 0; n < MonitorPolling::kReopenPauseTicks; ++n) polling.Tick();
  EXPECT_EQ(line.reopens, 1);
  EXPECT_TRUE(reader.reads.empty());  // nothing is read from a lost line

  line.outcomes = {Reopening::Failed, Reopening::Opened};
  polling.Tick();
  EXPECT_EQ(line.reopens, 2);
  EXPECT_EQ(view.lossesTold, 1);  // the same loss is not told again
  for (int n = 0; n <= MonitorPolling::kReopenPauseTicks; ++n) polling.Tick();
  EXPECT_EQ(line.reopens, 3);
  EXPECT_EQ(view.serial, true);

  line.lost = true;  // lost once more
  polling.Tick();
  EXPECT_EQ(view.lossesTold, 2);
}

TEST_F(MonitorPollingTest, ALineWhoseDeviceIsGoneIsToldOnceAndLookedForOnEveryTick) {
  GiveUnitWords();
  line.lost = true;
  line.outcomes = {Reopening::NoDevice, Reopening::NoDevice, Reopening::Opened};
  polling.Tick();
  EXPECT_EQ(view.lossesTold, 1);
  EXPECT_EQ(view.serial, false);
  polling.Tick();
  EXPECT_EQ(line.reopens, 2);  // no pause: looking costs nothing
  EXPECT_EQ(view.lossesTold, 1);
  EXPECT_TRUE(reader.reads.empty());
  polling.Tick();
  EXPECT_EQ(line.reopens, 3);
  EXPECT_EQ(view.serial, true);
}

TEST_F(MonitorPollingTest, TicksThatComeWhileTheLineIsReopenedDoNothing) {
  GiveUnitWords();
  line.lost = true;
  line.outcomes = {Reopening::Opened};
  line.duringReopen = [this] {
    polling.Tick();
    polling.Tick();
  };
  polling.Tick();
  EXPECT_EQ(line.reopens, 1);
  EXPECT_EQ(reader.TakeAddresses(),
            (Addresses{0x8040, 0x0017, 0x0017, 0xFD46, 0xFD46, 0x9010}));  // the one tick's
}

TEST_F(MonitorPollingTest, TheUnitSetUpReadsTypeAndFactorsTwiceForItsAxis) {
  reader.words[0x0017] = 0x7702;            // type 0x02 in byte 0
  reader.words[0xFD46] = 0x00000300;        // A = 3
  EXPECT_TRUE(polling.SetAxisUnit(10));
  EXPECT_EQ(reader.reads, (std::vector<FakeReader::AxisRead>{
                              {10, 0x0017}, {10, 0x0017}, {10, 0xFD46}, {10, 0xFD46}}));
  EXPECT_EQ(view.unit, "deg");
  EXPECT_EQ(polling.Unit().scale, 12000);
}

TEST_F(MonitorPollingTest, TheUnitSetUpReadsAPairAgainUntilBothReadsAgree) {
  reader.changing[0x0017] = {0x11, 0x00, 0x00};
  reader.words[0x0017] = 0x00;
  reader.words[0xFD46] = 0;
  EXPECT_TRUE(polling.SetAxisUnit(0));
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x0017, 0x0017, 0x0017, 0x0017, 0xFD46, 0xFD46}));
  EXPECT_EQ(view.unit, "pulse");
}

TEST_F(MonitorPollingTest, AnUnfinishedUnitSetUpIsDoneBeforeTheNextStep) {
  EXPECT_FALSE(polling.SetAxisUnit(0));  // no type word
  EXPECT_EQ(view.unit, "");
  reader.reads.clear();
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040, 0x0017}));
  EXPECT_EQ(view.serial, false);
  EXPECT_EQ(polling.PollStep(), MonitorPolling::kStatus);

  reader.words[0x0017] = 0x00;
  reader.words[0xFD46] = 0;
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(),
            (Addresses{0x8040, 0x0017, 0x0017, 0xFD46, 0xFD46, 0x9010}));
  EXPECT_EQ(view.unit, "pulse");
  EXPECT_EQ(view.serial, true);
  polling.Tick();
  EXPECT_EQ(reader.TakeAddresses(), (Addresses{0x8040, 0xA000}));
}

TEST(MonitorLamps, GroupWordWithOnlyBit15LightsAlarmLampFAlone) {
  const auto alarm = editors::GroupAlarmShades(0x00008000u, 16);
  for (int k = 0; k < 15; ++k) EXPECT_EQ(alarm[k], Shade::Alarm) << k;
  EXPECT_EQ(alarm[15], Shade::Set);
  for (Shade pfin : editors::GroupPfinShades(0x00008000u)) EXPECT_EQ(pfin, Shade::Clear);
}

TEST(MonitorLamps, WithThreeAxesAlarmLamps3ToFStayDarkAndCompletionLampsFollowTheirBits) {
  const auto alarm = editors::GroupAlarmShades(0xFFFF0002u, 3);
  EXPECT_EQ(alarm[0], Shade::Alarm);
  EXPECT_EQ(alarm[1], Shade::Set);
  EXPECT_EQ(alarm[2], Shade::Alarm);
  for (int k = 3; k < 16; ++k) EXPECT_EQ(alarm[k], Shade::Clear) << k;
  for (Shade pfin : editors::GroupPfinShades(0xFFFF0002u)) EXPECT_EQ(pfin, Shade::Set);
}

TEST(MonitorLamps, HintsNameTheBitOfEachLamp) {
  EXPECT_EQ(editors::BitHint(0), "Main Power on");
  EXPECT_EQ(editors::BitHint(19), "P8");
  EXPECT_EQ(editors::BitHint(31), "*ALM");
  EXPECT_EQ(editors::BitHint(32), "");
}
