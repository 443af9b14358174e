#pragma once
#include <cstdint>
#include <string>

// Captions, list items and messages of the common-parameter and single-point editors, by index
// 0..349. The table holds one language, filled once at start-up; an unfilled index, or one
// outside the table, reads as the empty text.
namespace editors {

inline constexpr int kEditorTextSize = 350;

// The ids of the table; the values are the table's indices.
enum class EditorTxt : int {
  AxisCaption = 39,
  PointCaption = 46,
  PageCaption = 49,
  PositionCaption = 50,
  InPosCaption = 51,
  SpeedCaption = 52,
  AccCaption = 53,
  StopCurrentCaption = 54,
  GainCaption = 56,
  PushForceCaption = 57,
  ActuatorTypeCaption = 60,
  LinearType = 61,
  RotaryType = 62,
  AnyType = 63,
  EndlessRotation = 64,
  MaxAccel = 66,
  RelativeMove = 67,
  PusherValid = 68,
  PusherFrame = 69,
  PushDirFrame = 70,
  PushFwd = 71,
  PushRvs = 72,
  EndFwd = 73,  // the push directions of a catalogue model
  EndRvs = 74,
  Store = 83,
  StoreQuestion = 84,
  UpperLimitMessage = 100,
  UpperLimitTitle = 101,
  LowerLimitMessage = 102,
  LowerLimitTitle = 103,
  Cancel = 133,
  ZeroLead = 159,
  NotStored = 160,
  Interlock = 224,
  DecimalsCaption = 225,
  HomeForwardEnd = 226,  // home list of a catalogue model
  HomeReverseEnd = 227,
  Pitch = 228,
  Unit = 229,
  PerMotorRevolution = 230,
  MotorResolution = 231,
  CoordinateFrame = 232,
  FwdLimitCaption = 233,
  RvsLimitCaption = 234,
  HomeModeCaption = 235,
  StrokeCaption = 236,
  ZoneFrame = 237,
  FwdZoneCaption = 238,
  RvsZoneCaption = 239,
  HomeAtCurrent = 320,  // home list of a user type
  HomeInhPlusEdge = 321,
  HomeInhMinusEdge = 322,
  HomeStopperPlus = 323,
  HomeStopperMinus = 324,
  Acceleration = 325,
  HomingFrame = 326,
  HomeSpeedCaption = 327,
  HomeAccCaption = 328,
  HomeCurrentCaption = 329,
  TypeCaption = 349,
};

const std::string& EditorText(EditorTxt id);

// Japanese for platform::kLangJapanese; English for every other language id, Chinese included,
// since the editors have no texts of their own in other languages and English is the
// interface's common fallback.
void FillEditorText(int16_t languageId);

}  // namespace editors
