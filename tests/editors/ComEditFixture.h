#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "axisdata/AxisData.h"
#include "axisdata/SharedState.h"
#include "axisdata/Tables.h"
#include "editors/ComEditCore.h"
#include "editors/EditorText.h"
#include "platform/DecimalSign.h"

// The program's set-up ComEdit() installed over fresh shared state, English editor texts, the
// actuator tables built. Tests write an axis's common words and read it through the set-up.
class ComEditFixture : public testing::Test {
 protected:
  static constexpr std::int16_t kAxis = 2;

  void SetUp() override {
    axisdata::ResetSharedState();
    axisdata::InitActuatorTables();
    editors::FillEditorText(1033);
    platform::SetDecimalSign('.');
    editors::ComEdit().Reset();
    editors::InstallComEdit();
  }

  void TearDown() override {
    editors::UninstallComEdit();
    editors::ComEdit().Reset();
    platform::SetDecimalSign('.');
    axisdata::ResetSharedState();
  }

  static axisdata::AxisWords& Words(std::int16_t axis = kAxis) { return axisdata::AxisData[axis]; }

  // An axis of the type with a sensible common block: limits, zones, home speed.
  static void SetAxis(int code, int expansionByte = 1, std::int16_t axis = kAxis) {
    axisdata::AxisWords& w = Words(axis);
    w[axisdata::kTypeCodeWord] = code;
    axisdata::ExpansionWord(w) = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(expansionByte) << 24);
    w[axisdata::kFwdLimitWord] = -8;
    w[axisdata::kRvsLimitWord] = 1008;
    w[axisdata::kRotaryFwdLimitWord] = -8;
    w[axisdata::kRotaryRvsLimitWord] = 1008;
    w[axisdata::kFwdZoneWord] = 100;
    w[axisdata::kRvsZoneWord] = 900;
    w[axisdata::kHomeSpeedWord] = 500;
    w[axisdata::kHomeAccWord] = 100;
    w[axisdata::kHomeCurrentWord] = 112;
  }

  editors::ComEditCore& core = editors::ComEdit();
};
