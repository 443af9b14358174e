#include "editors/KavDataSet.h"

#include <gtest/gtest.h>

#include "KavFileFixture.h"
#include "axisdata/FileInput.h"

namespace {

struct TextCase {
  const char* name;
  std::vector<std::int16_t> axes;
  bool extPoints;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class NotTransferred : public testing::TestWithParam<TextCase> {};

TEST_P(NotTransferred, NamesWhatDidNotComplete) {
  const TextCase& c = GetParam();
  EXPECT_EQ(editors::NotTransferredText(c.axes, c.extPoints), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Batches, NotTransferred,
    testing::Values(
        TextCase{"AxesAndExtendedPoints", {3, 4, 5}, true,
                 "Not transferred: axes 3, 4, 5 and the extended points."},
        TextCase{"OneAxisInHexadecimal", {10}, false, "Not transferred: axis A."},
        TextCase{"ExtendedPointsOnly", {}, true, "Not transferred: the extended points."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// --- opening a set in the point-table editor ------------------------------------------------

namespace {

enum : unsigned { kAxis0 = 1, kAxis1 = 2, kXep = 4, kWholeSet = kAxis0 | kAxis1 | kXep };

// Where each word came from: the default set (100), the opened set (200), or the run's own data
// in memory (500); the axis is added to tell the axes apart.
enum Source : std::int32_t { kDefault = 100, kSet = 200, kMemory = 500 };

struct OpeningCase {
  const char* name;
  bool heldBefore;     // an earlier opening of this run, then an edit
  unsigned present;    // the set's files on disk
  std::array<Source, 3> shows;  // axis 0, axis 1, the extended points
  const char* notFound;         // the files the message names; nullptr: no message
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class EditorOpening : public KavFileTest, public testing::WithParamInterface<OpeningCase> {
 protected:
  static void Mark(Source source) {
    for (std::int16_t a = 0; a < 2; ++a) Word(a) = source + a;
    axisdata::ExtPointData[0] = source;
  }
  static std::int32_t& Word(std::int16_t axis) {
    return axisdata::PointValue(axisdata::AxisData[axis], 0)[axisdata::kPCMD];
  }
  // Writes the files of `present` marked with `source`.
  void WriteSet(const std::string& base, Source source, unsigned present) {
    Mark(source);
    for (std::int16_t a = 0; a < 2; ++a) {
      if (present & (a == 0 ? kAxis0 : kAxis1)) {
        ASSERT_EQ(axisdata::WriteEepFile(a, axisdata::EepPath(base, a)), std::nullopt);
      }
    }
    if (present & kXep) {
      ASSERT_EQ(axisdata::WriteXepFile(axisdata::XepPath(base)), std::nullopt);
    }
  }
};

TEST_P(EditorOpening, MissingFilesNeverReplaceTheRunsOwnData) {
  const OpeningCase& c = GetParam();
  axisdata::AxisCount = 2;
  const std::string defaults = Path("default"), set = Path("set");
  WriteSet(defaults, kDefault, kWholeSet);
  WriteSet(set, kSet, c.present);
  Mark(Source{0});
  RecordingViews views;
  if (c.heldBefore) {
    ASSERT_EQ(editors::OpenEditorDataSet(defaults, defaults), std::nullopt);
    Mark(kMemory);
  }

  const std::optional<std::string> message = editors::OpenEditorDataSet(set, defaults);

  EXPECT_EQ(Word(0), c.shows[0] + 0);
  EXPECT_EQ(Word(1), c.shows[1] + 1);
  EXPECT_EQ(axisdata::ExtPointData[0], c.shows[2]);
  if (c.notFound) {
    const std::string folder = set.substr(0, set.rfind('/'));
    EXPECT_EQ(message, "These files were not found in " + folder + "; Save will create them: " +
                           c.notFound + ".");
  } else {
    EXPECT_EQ(message, std::nullopt);
  }
  // Save writes the set opened, whatever stood in for its files.
  EXPECT_EQ(axisdata::EepFileName[1], Path("set1.EEP"));
  EXPECT_EQ(axisdata::XepFileName, Path("set.XEP"));
  EXPECT_EQ(views.calls.back(), "ResetGridCursor");
}

INSTANTIATE_TEST_SUITE_P(
    Sets, EditorOpening,
    testing::Values(
        OpeningCase{"FirstOpeningOfASetNeverSavedStartsFromTheDefaultSet", false, 0,
                    {kDefault, kDefault, kDefault}, nullptr},
        OpeningCase{"FirstOpeningOfAPartialSetFillsItsGapsFromTheDefaultSet", false,
                    kAxis0 | kXep, {kSet, kDefault, kSet}, "set1.EEP"},
        OpeningCase{"FirstOpeningReadsAWholeSet", false, kWholeSet, {kSet, kSet, kSet}, nullptr},
        OpeningCase{"TheRunsDataStayWhenNoFileOfTheSetExists", true, 0,
                    {kMemory, kMemory, kMemory}, "set0.EEP, set1.EEP, set.XEP"},
        OpeningCase{"TheRunsDataStayWhereAPartialSetLacksFiles", true, kAxis1,
                    {kMemory, kSet, kMemory}, "set0.EEP, set.XEP"},
        OpeningCase{"LaterOpeningsReadAWholeSet", true, kWholeSet, {kSet, kSet, kSet}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
