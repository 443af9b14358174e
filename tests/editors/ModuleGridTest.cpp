#include "editors/ModuleGrid.h"

#include <gtest/gtest.h>

#include "RecordingUi.h"
#include "UnitStateFixture.h"
#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"
#include "axisdata/Notation.h"
#include "axisdata/NumberText.h"
#include "axisdata/Selection.h"
#include "axisdata/SharedState.h"
#include "platform/TableGrid.h"
#include "resources/StringTable.h"
#include "resources/UiText.h"

using editors::GridCursor;
using editors::PasteResult;

namespace {

class ModuleGridTest : public testing::Test {
 protected:
  void SetUp() override {
    axisdata::ResetSharedState();
    axisdata::AxisCount = 4;
    resources::LoadUiText(resources::kEnglishBase);
    editors::SetKavGridTexts(grid, "mm", "G");
  }
  void TearDown() override { axisdata::ResetSharedState(); }

  static std::int32_t& Field(int axis, int point, int k) {
    return axisdata::PointValue(axisdata::AxisData[axis], point)[k];
  }

  // Every word of the axis's points and the extended points, distinct and fitting its column.
  static void FillAxisWords(int axis) {
    for (int p = 0; p < 16; ++p) {
      for (int col = 1; col <= 13; ++col) {
        const editors::KavColumn& c = editors::KavColumnAt(col);
        const std::int32_t n = p * 16 + col;
        std::int32_t value = n * 7919 * (n % 2 ? -1 : 1);
        if (c.storeType == axisdata::kByte) value = n % 256;
        if (c.storeType != axisdata::kByte && c.storeType != axisdata::kPulses) {
          value = static_cast<std::int16_t>(value);
        }
        Field(axis, p, c.field) = value;
      }
    }
    for (std::size_t i = 0; i < axisdata::ExtPointData.size(); ++i) {
      axisdata::ExtPointData[i] = static_cast<std::int32_t>(i % 2 ? i : -i * 1000);
    }
  }

  RecordingUi ui;
  platform::TableGrid grid{editors::kKavGridRows, editors::kKavGridCols};
  editors::KavCellTexts filled;
};

}  // namespace

TEST_F(ModuleGridTest, PageZeroShowsTheBaseRecordAndLaterPagesTheExtendedPoint) {
  Field(3, 2, axisdata::kPCMD) = 0x1234;
  Field(3, 2, axisdata::kINP) = 0x55;
  const std::int16_t i = axisdata::ExtPointIndex(2, 3, 2);
  axisdata::ExtPointData[i] = 0x777;
  axisdata::ExtPointData[i + 1] = 0x88;
  EXPECT_EQ(&Field(3, 2, 0), &axisdata::AxisData[3][96 + 64 * 2]);

  editors::FillKavGrid(grid, filled, 3, 0);
  EXPECT_EQ(grid.CellText(3, 1), "1234");
  EXPECT_EQ(grid.CellText(3, 3), "55");

  editors::FillKavGrid(grid, filled, 3, 2);
  EXPECT_EQ(grid.CellText(3, 1), "777");
  EXPECT_EQ(grid.CellText(3, 4), "88");
  EXPECT_EQ(grid.CellText(3, 3), "55");  // the base point's in-position width
}

TEST_F(ModuleGridTest, StoringOnAnExtendedPageChangesTheBasePointsOtherFields) {
  editors::FillKavGrid(grid, filled, 1, 1);
  grid.SetCellText(5, 5, "1F4");
  grid.SetCellText(5, 1, "FFFFFFFF");
  editors::StoreKavGrid(grid, filled, 1, 1);
  EXPECT_EQ(Field(1, 4, axisdata::kACMD), 0x1F4);
  EXPECT_EQ(Field(1, 4, axisdata::kPCMD), 0);  // the position went to the extended point
  EXPECT_EQ(axisdata::ExtPointData[axisdata::ExtPointIndex(1, 1, 4)], -1);

  editors::FillKavGrid(grid, filled, 1, 0);
  EXPECT_EQ(grid.CellText(5, 5), "1F4");
}

TEST_F(ModuleGridTest, FillThenStoreInHexadecimalKeepsEveryWord) {
  FillAxisWords(2);
  const axisdata::AxisWords axis = axisdata::AxisData[2];
  const auto ext = axisdata::ExtPointData;
  for (std::int16_t page : {0, 1, 11}) {
    editors::FillKavGrid(grid, filled, 2, page);
    EXPECT_TRUE(editors::StoreKavGrid(grid, filled, 2, page).empty());
  }
  EXPECT_EQ(axisdata::AxisData[2], axis);
  EXPECT_EQ(axisdata::ExtPointData, ext);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ModuleGridTest, ARefusedCellKeepsItsWordAndIsTold) {
  Field(0, 2, axisdata::kFLGP) = 7;
  editors::FillKavGrid(grid, filled, 0, 0);
  grid.SetCellText(3, 2, "100");      // no byte
  grid.SetCellText(4, 4, "ZZ");       // no number
  grid.SetCellText(3, 6, "1F");       // a good neighbour
  const auto refused = editors::StoreKavGrid(grid, filled, 0, 0);

  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(Field(0, 2, axisdata::kFLGP), 7);
  EXPECT_EQ(Field(0, 2, axisdata::kSPOW), 0x1F);
  EXPECT_EQ(grid.CellText(3, 2), "7");  // the cell shows what was kept
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("Point 2, FLGP: \"100\""), std::string::npos);
  EXPECT_NE(ui.messages[0].text.find("Point 3, VCMD [0.2r/min]: \"ZZ\""), std::string::npos);
}

TEST_F(ModuleGridTest, HeadersFollowTheNotation) {
  struct Case {
    axisdata::Notation mode;
    const char* marker;
    const char* pcmd;
    const char* vcmd;
    const char* acmd;
    const char* stim;
  };
  for (const Case& c : {Case{axisdata::kHexadecimal, "h", "PCMD [count]", "VCMD [0.2r/min]",
                             "ACMD [0.1r/min/ms]", "STIM [0.01sec]"},
                        Case{axisdata::kDecimal, "d", "PCMD [count]", "VCMD [0.2r/min]",
                             "ACMD [0.1r/min/ms]", "STIM [0.01sec]"},
                        Case{axisdata::kUserUnits, "u", "PCMD [mm]", "VCMD [mm/sec]", "ACMD [G]",
                             "STIM [sec]"}}) {
    SCOPED_TRACE(c.marker);
    axisdata::DispMode = c.mode;
    editors::SetKavGridHeaders(grid, "mm", "G");
    EXPECT_EQ(grid.CellText(0, 14), c.marker);
    EXPECT_EQ(grid.CellText(0, 1), c.pcmd);
    EXPECT_EQ(grid.CellText(0, 4), c.vcmd);
    EXPECT_EQ(grid.CellText(0, 5), c.acmd);
    EXPECT_EQ(grid.CellText(0, 11), c.stim);
    EXPECT_EQ(grid.CellText(0, 9), "MXAC");
  }
  EXPECT_EQ(grid.CellText(0, 0), "Point");
  EXPECT_EQ(grid.CellText(16, 0), "F");
}

TEST_F(ModuleGridTest, TipsAndSelections) {
  EXPECT_EQ(editors::GetKavColumnTip(0), "");
  EXPECT_EQ(editors::GetKavColumnTip(14), "");
  EXPECT_EQ(editors::GetKavColumnTip(3), "INP: In position width");
  EXPECT_FALSE(editors::IsMouseInSelection({.row = 2, .col = 3, .rowSel = 2, .colSel = 3,
                                            .mouseRow = 2, .mouseCol = 3}));
  const GridCursor block{.row = 3, .col = 2, .rowSel = 2, .colSel = 2};
  GridCursor inside = block, below = block;
  inside.mouseRow = 2, inside.mouseCol = 2;
  below.mouseRow = 4, below.mouseCol = 2;
  EXPECT_TRUE(editors::IsMouseInSelection(inside));
  EXPECT_FALSE(editors::IsMouseInSelection(below));
}

TEST_F(ModuleGridTest, CopyTexts) {
  grid.SetCellText(3, 1, "A");
  grid.SetCellText(3, 2, "B");
  grid.SetCellText(4, 1, "C");
  grid.SetCellText(4, 2, "D");
  grid.SetCellText(5, 3, "1F");
  EXPECT_EQ(editors::CopyGridSelection(2, grid, {.row = 3, .col = 1, .rowSel = 4, .colSel = 2}),
            "2,3, 1,2, 2,A,B,C,D,");
  EXPECT_EQ(editors::CopyGridSelection(2, grid, {.row = 5, .col = 3, .rowSel = 5, .colSel = 3}),
            "2,5, 3,1, 1,1F,");
  // Dragged upwards and to the left: from the block's top left.
  EXPECT_EQ(editors::CopyGridSelection(2, grid, {.row = 4, .col = 2, .rowSel = 3, .colSel = 1}),
            "2,3, 1,2, 2,A,B,C,D,");
}

TEST_F(ModuleGridTest, PasteGoesIntoTheSameColumnsOnly) {
  const std::string block = "2,1, 2,3, 3,a,b,c,d,e,f,g,h,i,";
  EXPECT_EQ(editors::PasteGridText(block, 2, grid, {.row = 4, .col = 1}),
            PasteResult::ColumnsMismatch);
  EXPECT_EQ(grid.CellText(4, 1), "");

  EXPECT_EQ(editors::PasteGridText(block, 2, grid, {.row = 15, .col = 2}), PasteResult::Pasted);
  EXPECT_EQ(grid.CellText(15, 2), "a");
  EXPECT_EQ(grid.CellText(16, 4), "f");  // the third row fell below the grid

  EXPECT_EQ(editors::PasteGridText("", 2, grid, {.row = 1, .col = 1}),
            PasteResult::NothingToPaste);
}

TEST_F(ModuleGridTest, APastedTextIsReadInTheNotationOfTheStore) {
  grid.SetCellText(2, 4, "10");
  const std::string copied =
      editors::CopyGridSelection(2, grid, {.row = 2, .col = 4, .rowSel = 2, .colSel = 4});
  axisdata::DispMode = axisdata::kDecimal;
  editors::FillKavGrid(grid, filled, 0, 0);
  editors::PasteGridText(copied, 2, grid, {.row = 2, .col = 4});
  EXPECT_EQ(grid.CellText(2, 4), "10");
  editors::StoreKavGrid(grid, filled, 0, 0);
  EXPECT_EQ(Field(0, 1, axisdata::kVCMD), 10);
}

TEST_F(ModuleGridTest, ACellWithADecimalCommaStaysOneCell) {
  grid.SetCellText(2, 1, "12,5");
  grid.SetCellText(2, 2, "3");
  const std::string copied =
      editors::CopyGridSelection(2, grid, {.row = 2, .col = 1, .rowSel = 2, .colSel = 2});
  platform::TableGrid other(editors::kKavGridRows, editors::kKavGridCols);
  EXPECT_EQ(editors::PasteGridText(copied, 2, other, {.row = 9, .col = 1}), PasteResult::Pasted);
  EXPECT_EQ(other.CellText(9, 1), "12,5");
  EXPECT_EQ(other.CellText(9, 2), "3");
}

// A grid shown in user units rounds what it shows; only what the user changed is read back.
namespace {

struct UnitSetUp {
  const char* name;
  double lead;  // mm per revolution, at 800 pulses and 3 decimals
};
void PrintTo(const UnitSetUp& c, std::ostream* os) { *os << c.name; }

class KavGridInUnits : public UnitStateTest, public testing::WithParamInterface<UnitSetUp> {
 protected:
  static constexpr std::int16_t kAxis = 1;

  void SetUp() override {
    UnitStateTest::SetUp();
    axisdata::ResetSharedState();
    axisdata::AxisCount = 4;
    resources::LoadUiText(resources::kEnglishBase);
    editors::SetKavGridTexts(grid, "mm", "G");
    UseAxis("mm", GetParam().lead, 800);
    controls.decimals = 3;
    for (int p = 0; p < 16; ++p) {
      const auto point = axisdata::PointValue(axisdata::AxisData[kAxis], p);
      point[axisdata::kPCMD] = 1001 + 37 * p;
      point[axisdata::kINP] = 101 + p;
      point[axisdata::kVCMD] = 1001 + 13 * p;
      point[axisdata::kACMD] = 1001 + 7 * p;
      const std::int16_t i = axisdata::ExtPointIndex(1, kAxis, static_cast<std::int16_t>(p));
      axisdata::ExtPointData[i] = 2001 + 37 * p;
      axisdata::ExtPointData[i + 1] = p == 0 ? 65535 : 1001 + 13 * p;  // as a gateway may send it
    }
  }
  void TearDown() override {
    axisdata::ResetSharedState();
    UnitStateTest::TearDown();
  }

  RecordingUi ui;
  platform::TableGrid grid{editors::kKavGridRows, editors::kKavGridCols};
  editors::KavCellTexts filled;
};

TEST_P(KavGridInUnits, ViewingChangesNoWordInAnyNotation) {
  const axisdata::AxisWords axis = axisdata::AxisData[kAxis];
  const auto ext = axisdata::ExtPointData;
  for (const std::int16_t notation : {axisdata::kHexadecimal, axisdata::kDecimal,
                                      axisdata::kUserUnits}) {
    axisdata::DispMode = notation;
    for (const std::int16_t page : {0, 1}) {
      editors::FillKavGrid(grid, filled, kAxis, page);
      EXPECT_TRUE(editors::StoreKavGrid(grid, filled, kAxis, page).empty());
      EXPECT_EQ(axisdata::AxisData[kAxis], axis) << "notation " << notation << " page " << page;
      EXPECT_EQ(axisdata::ExtPointData, ext) << "notation " << notation << " page " << page;
    }
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(axisdata::AxisUnsaved[kAxis] || axisdata::AxisUnsent[kAxis]);
  EXPECT_FALSE(axisdata::XepUnsaved || axisdata::XepUnsent);
}

TEST_P(KavGridInUnits, TypedAndPastedCellsAreStillStored) {
  axisdata::DispMode = axisdata::kUserUnits;
  editors::FillKavGrid(grid, filled, kAxis, 0);
  grid.SetCellText(1, 1, "2.5");  // typed
  const std::string copied =
      editors::CopyGridSelection(2, grid, {.row = 1, .col = 1, .rowSel = 2, .colSel = 1});
  editors::PasteGridText(copied, 2, grid, {.row = 5, .col = 1});
  editors::StoreKavGrid(grid, filled, kAxis, 0);
  const std::int32_t typed = axisdata::RoundToInt32(2.5 / GetParam().lead * 800);
  EXPECT_EQ(axisdata::PointValue(axisdata::AxisData[kAxis], 0)[axisdata::kPCMD], typed);
  EXPECT_EQ(axisdata::PointValue(axisdata::AxisData[kAxis], 4)[axisdata::kPCMD], typed);
  EXPECT_EQ(axisdata::PointValue(axisdata::AxisData[kAxis], 2)[axisdata::kPCMD], 1001 + 37 * 2);
  EXPECT_TRUE(axisdata::AxisUnsaved[kAxis] && axisdata::AxisUnsent[kAxis]);
  EXPECT_FALSE(axisdata::XepUnsaved);

  editors::FillKavGrid(grid, filled, kAxis, 1);
  grid.SetCellText(3, 4, "1");  // the extended point's speed
  editors::StoreKavGrid(grid, filled, kAxis, 1);
  EXPECT_EQ(axisdata::ExtPointData[axisdata::ExtPointIndex(1, kAxis, 2) + 1],
            axisdata::TextToSpeedCode("1"));
  EXPECT_TRUE(axisdata::XepUnsaved && axisdata::XepUnsent);
}

INSTANTIATE_TEST_SUITE_P(Leads, KavGridInUnits,
                         testing::Values(UnitSetUp{"Lead10", 10}, UnitSetUp{"Lead2", 2},
                                         UnitSetUp{"Lead3", 3}, UnitSetUp{"Lead0_2", 0.2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
