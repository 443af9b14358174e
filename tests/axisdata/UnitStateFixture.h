#pragma once
#include <gtest/gtest.h>

#include <string>

#include "axisdata/Notation.h"
#include "axisdata/UnitControls.h"
#include "axisdata/Units.h"
#include "platform/DecimalSign.h"

// Stands in for the editors' controls and records what the conversions write.
struct FakeUnitControls : axisdata::UnitControls {
  struct Slider {
    int minimum = -1;
    int maximum = -1;
    int step = -1;
  };

  int decimals = 2;
  Slider sliders[2];
  std::string forward, reverse, stroke, accUnit;
  int homeSide = -1;

  int DisplayDecimals() const override { return decimals; }
  void SetSliderScale(int slider, int minimum, int maximum, int step) override {
    sliders[slider] = {minimum, maximum, step};
  }
  void ShowLimits(const std::string& f, const std::string& r) override {
    forward = f;
    reverse = r;
  }
  void SelectHomeSide(int index) override { homeSide = index; }
  void ShowStroke(const std::string& s) override { stroke = s; }
  void ShowAccUnit(const std::string& unit) override { accUnit = unit; }
};

// Registers a fake, and puts back the unit state, the notation and the decimal sign afterwards,
// since they are process-wide.
class UnitStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Capture();
    axisdata::RegisterUnitControls(&controls);
  }

  void TearDown() override {
    axisdata::RegisterUnitControls(nullptr);
    platform::SetDecimalSign('.');
    Restore(saved_);
  }

  // The unit set-up of an axis as the common-parameter editor does it.
  static void UseAxis(const std::string& unit, double lead, double resolution) {
    axisdata::DisplayUnit = unit;
    axisdata::Lead = lead;
    axisdata::Resolution = resolution;
    axisdata::UnitPerPulse = lead / resolution;
  }

  // Limits as the common-parameter editor stores them, then the scales derived from them.
  static void RefreshWithLimits(std::int32_t fwd, std::int32_t rvs) {
    axisdata::FwdLimitPulses = fwd;
    axisdata::RvsLimitPulses = rvs;
    axisdata::RefreshLimitScales();
  }

  FakeUnitControls controls;

 private:
  struct State {
    std::string displayUnit;
    double lead, resolution, unitPerPulse;
    std::int32_t fwd, rvs;
    double span, offset, inpScale;
    bool catalogue;
    std::int16_t dispMode;
  };

  static State Capture() {
    using namespace axisdata;
    return {DisplayUnit,    Lead,           Resolution, UnitPerPulse,
            FwdLimitPulses, RvsLimitPulses, SliderSpan, SliderOffset,
            InpSliderScale, CatalogueModel, DispMode};
  }

  static void Restore(const State& s) {
    using namespace axisdata;
    DisplayUnit = s.displayUnit;
    Lead = s.lead;
    Resolution = s.resolution;
    UnitPerPulse = s.unitPerPulse;
    FwdLimitPulses = s.fwd;
    RvsLimitPulses = s.rvs;
    SliderSpan = s.span;
    SliderOffset = s.offset;
    InpSliderScale = s.inpScale;
    CatalogueModel = s.catalogue;
    DispMode = s.dispMode;
  }

  State saved_{};
};
