#include <filesystem>
#include <set>

#include "KavFileFixture.h"
#include "axisdata/FileInput.h"
#include "axisdata/NumberText.h"
#include "axisdata/Tables.h"

using namespace axisdata;

namespace {

using KavDataSet = KavFileTest;

// Axis a written with type code a + 1 (so every axis is told apart), and ExtPointData word 0.
void WriteSet(const std::string& base, std::int16_t axes) {
  for (std::int16_t a = 0; a < axes; ++a) {
    AxisData[a][kTypeCodeWord] = a + 1;
    ASSERT_EQ(WriteEepFile(a, EepPath(base, a)), std::nullopt);
  }
  ExtPointData[0] = 1234;
  ASSERT_EQ(WriteXepFile(XepPath(base)), std::nullopt);
  for (auto& axis : AxisData) axis.fill(0);
  ExtPointData.fill(0);
}

TEST_F(KavDataSet, SixteenAxesAreFilesZeroToF) {
  AxisCount = 16;
  WriteSet(Path("set"), 16);
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(Path(""))) {
    files.insert(entry.path().filename().string());
  }
  EXPECT_EQ(files, (std::set<std::string>{"set.XEP",  "set0.EEP", "set1.EEP", "set2.EEP",
                                          "set3.EEP", "set4.EEP", "set5.EEP", "set6.EEP",
                                          "set7.EEP", "set8.EEP", "set9.EEP", "setA.EEP",
                                          "setB.EEP", "setC.EEP", "setD.EEP", "setE.EEP",
                                          "setF.EEP"}));

  const KavSetOpening opening = OpenKavDataSet(Path("set"));
  EXPECT_EQ(opening.failures, std::nullopt);
  EXPECT_TRUE(opening.missing.empty());
  for (std::int16_t a = 0; a < 16; ++a) {
    EXPECT_EQ(AxisData[a][kTypeCodeWord], a + 1) << a;
    EXPECT_EQ(EepFileName[a], Path("set") + "0123456789ABCDEF"[a] + ".EEP");
  }
  EXPECT_EQ(ExtPointData[0], 1234);
  EXPECT_EQ(XepFileName, Path("set.XEP"));
}

TEST_F(KavDataSet, OpeningRefreshesTheEditorsOnTheCurrentAxisAndPage) {
  AxisCount = 2;
  CurAxis = 1;
  CurPage = 3;
  WriteSet(Path("set"), 2);
  RecordingViews views;
  EXPECT_EQ(OpenKavDataSet(Path("set")).failures, std::nullopt);
  EXPECT_EQ(views.calls, (std::vector<std::string>{"ReadComParam 0", "ReadComParam 1",
                                                   "ReadComParam 1", "FillKavGrid 1 3",
                                                   "ResetGridCursor"}));
}

TEST_F(KavDataSet, AFileThatCannotBeReadLeavesItsAxisAndTheRestLoads) {
  AxisCount = 3;
  WriteSet(Path("set"), 3);
  std::filesystem::remove(Path("set1.EEP"));
  WriteFile("set2.EEP", "not an EEP file");
  AxisData[1][kTypeCodeWord] = 70;
  AxisData[2][kTypeCodeWord] = 80;
  RecordingViews views;
  const KavSetOpening opening = OpenKavDataSet(Path("set"));
  // Every file that could not be read, a line each, as the save tells its failures; a missing
  // file is no failure of its own.
  EXPECT_EQ(opening.failures, "Invalid file data format.\n" + Path("set2.EEP"));
  EXPECT_EQ(opening.missing, std::vector<std::string>{Path("set1.EEP")});
  EXPECT_EQ(AxisData[0][kTypeCodeWord], 1);
  EXPECT_EQ(AxisData[1][kTypeCodeWord], 70);
  EXPECT_EQ(AxisData[2][kTypeCodeWord], 80);
  EXPECT_EQ(ExtPointData[0], 1234);
  EXPECT_EQ(EepFileName[2], Path("set2.EEP"));
  EXPECT_EQ(views.calls.back(), "ResetGridCursor");
}

// The data set shipped beside the program: a catalogue actuator on all 16 axes, limits within
// its stroke, points within the limits at speeds and accelerations the actuator allows.
TEST_F(KavDataSet, DefaultDataSetLoadsWithSensibleValues) {
  InitActuatorTables();
  AxisCount = 16;
  RecordingViews views;
  EXPECT_EQ(OpenKavDataSet(std::string(VUZ_DEFAULT_DATA) + "/default").failures, std::nullopt);
  ASSERT_EQ(views.calls.size(), 16u + 3u) << "every axis read";
  for (std::int16_t a = 0; a < 16; ++a) {
    SCOPED_TRACE(a);
    const AxisWords& axis = AxisData[a];
    const int code = axis[kTypeCodeWord];
    EXPECT_NE(ModelName(code, axis[kOptionWord]), "User Defined");
    const double pulsesPerMm = 800 / ParseNumber(GetLead(code));
    const double strokePulses = ParseNumber(GetStroke(code)) * pulsesPerMm;
    const std::int32_t fwd = axis[kFwdLimitWord], rvs = axis[kRvsLimitWord];
    EXPECT_GE(fwd, 0);
    EXPECT_LT(fwd, rvs);
    EXPECT_LE(rvs, strokePulses);
    EXPECT_LE(fwd, axis[kFwdZoneWord]);
    EXPECT_LT(axis[kFwdZoneWord], axis[kRvsZoneWord]);
    EXPECT_LE(axis[kRvsZoneWord], rvs);
    int filled = 0;
    for (int p = 0; p < kBasePoints; ++p) {
      const auto point = PointValue(axis, p);
      if (point[kVCMD] == 0) continue;
      ++filled;
      EXPECT_GT(point[kPCMD], fwd);
      EXPECT_LT(point[kPCMD], rvs);
      EXPECT_LE(point[kVCMD], GetMaxSpeed(code) / 0.2 / 2) << "at most half the top speed";
      EXPECT_LE(point[kACMD], GetMaxAcc(code) / 2) << "at most half the top acceleration";
    }
    EXPECT_GT(filled, 0);
  }
}

}  // namespace
