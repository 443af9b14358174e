#include "editors/EditorText.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using editors::FillEditorText;

namespace {

// The table by its own numbering.
const std::string& EditorText(int index) {
  return editors::EditorText(static_cast<editors::EditorTxt>(index));
}

// Every index the two editors read.
const std::set<int> kReadIndices = {
    39,  46,  49,  50,  51,  52,  53,  54,  56,  57,  60,  61,  62,  63,  64,  66,  67,
    68,  69,  70,  71,  72,  73,  74,  83,  84,  100, 101, 102, 103, 133, 159, 160, 224, 225,
    226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 320, 321, 322,
    323, 324, 325, 326, 327, 328, 329, 349};

}  // namespace

TEST(EditorText, EnglishTextsAsListed) {
  const std::pair<int, const char*> rows[] = {
      {39, "Axis No."},
      {46, "Position No."},
      {49, "Page No."},
      {50, "Position"},
      {51, "At position width"},
      {52, "SpeedCommand"},
      {53, "AccelarationCommand"},
      {54, "Stop current"},
      {56, "Servo gain"},
      {57, "PusherForceCommand"},
      {60, "Type of actuater"},
      {61, "Linear"},
      {62, "Rotary"},
      {63, "Any Type"},
      {64, "Endless Rotation"},
      {66, "Max. Accelaration"},
      {67, "Relative"},
      {68, "Pusher valid"},
      {69, "Pusher positioning"},
      {70, "Pushing direction"},
      {71, "Forward side"},
      {72, "Reverse side"},
      {100, "Position data setting is limited at max. value due to over-(upper)range of Movement."},
      {102, "Position data setting is limited at min. value due to over-(lower)range of Movement."},
      {159, "Pitch=0 is not allowed."},
      {224, "*ILK performs the cancellation of positioning"},
      {225, "Disply Resolution"},
      {226, "Forward End"},
      {227, "Reverse End"},
      {228, "Pitch"},
      {229, "Unit"},
      {230, "/ Motor Revolution"},
      {231, "Motor Resolution"},
      {232, "Coordinate System"},
      {233, "Forward Stroke Limit"},
      {234, "Reverse Stroke Limit"},
      {320, "Current position immediately"},
      {321, "OFF to ON edge of *INH+"},
      {322, "OFF to ON edge of *INH-"},
      {323, "Stopper for +"},
      {324, "Stopper for -"},
      {325, "Accelaration"},
      {326, "Current Limitter in Homing"},
      {349, "Type"},
  };
  FillEditorText(1033);
  for (const auto& [index, text] : rows) EXPECT_EQ(EditorText(index), text) << index;
}

TEST(EditorText, EveryReadIndexIsFilledAndNoOther) {
  for (int16_t lang : {1041, 1033}) {
    FillEditorText(lang);
    for (int i = -1; i <= editors::kEditorTextSize; ++i) {
      EXPECT_EQ(EditorText(i).empty(), !kReadIndices.contains(i)) << lang << " index " << i;
    }
  }
}

TEST(EditorText, JapaneseFor1041AndEnglishForEveryOtherId) {
  FillEditorText(1033);
  std::map<int, std::string> english;
  for (int i : kReadIndices) english[i] = EditorText(i);

  FillEditorText(1041);
  EXPECT_EQ(EditorText(39), "軸番号");
  for (int i : kReadIndices) EXPECT_NE(EditorText(i), english[i]) << "index " << i;

  for (int16_t lang : {1028, 1040, 1042, 2052, 0}) {
    FillEditorText(1041);
    FillEditorText(lang);
    for (int i : kReadIndices) EXPECT_EQ(EditorText(i), english[i]) << lang << " index " << i;
  }
}
