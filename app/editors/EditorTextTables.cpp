#include "editors/EditorTextTables.h"

#include <array>

#include "editors/EditorText.h"

namespace editors {

namespace {

using Id = EditorTxt;

constexpr std::array kJapanese = {
    EditorTextRow{Id::AxisCaption, "軸番号"},
    EditorTextRow{Id::PointCaption, "ポジション番号"},
    EditorTextRow{Id::PageCaption, "ページ番号"},
    EditorTextRow{Id::PositionCaption, "位置"},
    EditorTextRow{Id::InPosCaption, "位置決め幅"},
    EditorTextRow{Id::SpeedCaption, "速度指令"},
    EditorTextRow{Id::AccCaption, "加速度指令"},
    EditorTextRow{Id::StopCurrentCaption, "停止電流"},
    EditorTextRow{Id::GainCaption, "サーボゲイン"},
    EditorTextRow{Id::PushForceCaption, "押し付け力指令"},
    EditorTextRow{Id::ActuatorTypeCaption, "アクチュエータの種類"},
    EditorTextRow{Id::LinearType, "直動"},
    EditorTextRow{Id::RotaryType, "回転"},
    EditorTextRow{Id::AnyType, "任意"},
    EditorTextRow{Id::EndlessRotation, "エンドレス回転"},
    EditorTextRow{Id::MaxAccel, "最大加速度"},
    EditorTextRow{Id::RelativeMove, "相対移動"},
    EditorTextRow{Id::PusherValid, "押し付け有効"},
    EditorTextRow{Id::PusherFrame, "押し付け位置決め"},
    EditorTextRow{Id::PushDirFrame, "押し付け方向"},
    EditorTextRow{Id::PushFwd, "前進側"},
    EditorTextRow{Id::PushRvs, "後退側"},
    EditorTextRow{Id::EndFwd, "前進端側"},
    EditorTextRow{Id::EndRvs, "後退端側"},
    EditorTextRow{Id::Store, "登録"},
    EditorTextRow{Id::StoreQuestion, "このポイントのデータを登録しますか？"},
    EditorTextRow{Id::UpperLimitMessage,
                  "移動範囲の上限を超えるため、位置データを最大値に制限しました。"},
    EditorTextRow{Id::UpperLimitTitle, "上限オーバー"},
    EditorTextRow{Id::LowerLimitMessage,
                  "移動範囲の下限を超えるため、位置データを最小値に制限しました。"},
    EditorTextRow{Id::LowerLimitTitle, "下限オーバー"},
    EditorTextRow{Id::Cancel, "キャンセル"},
    EditorTextRow{Id::ZeroLead, "ピッチ=0は設定できません。"},
    EditorTextRow{Id::NotStored, "数値でないか範囲外の値です。何も登録しませんでした。"},
    EditorTextRow{Id::Interlock, "*ILKで位置決めを中止する"},
    EditorTextRow{Id::DecimalsCaption, "表示分解能"},
    EditorTextRow{Id::HomeForwardEnd, "前進端"},
    EditorTextRow{Id::HomeReverseEnd, "後退端"},
    EditorTextRow{Id::Pitch, "ピッチ"},
    EditorTextRow{Id::Unit, "単位"},
    EditorTextRow{Id::PerMotorRevolution, "/ モータ1回転"},
    EditorTextRow{Id::MotorResolution, "モータ分解能"},
    EditorTextRow{Id::CoordinateFrame, "座標系"},
    EditorTextRow{Id::FwdLimitCaption, "前進側ストロークリミット"},
    EditorTextRow{Id::RvsLimitCaption, "後退側ストロークリミット"},
    EditorTextRow{Id::HomeModeCaption, "原点復帰モード"},
    EditorTextRow{Id::StrokeCaption, "ストローク"},
    EditorTextRow{Id::ZoneFrame, "ゾーン"},
    EditorTextRow{Id::FwdZoneCaption, "前進側ゾーン境界"},
    EditorTextRow{Id::RvsZoneCaption, "後退側ゾーン境界"},
    EditorTextRow{Id::HomeAtCurrent, "現在位置を即原点"},
    EditorTextRow{Id::HomeInhPlusEdge, "*INH+のOFF→ONエッジ"},
    EditorTextRow{Id::HomeInhMinusEdge, "*INH-のOFF→ONエッジ"},
    EditorTextRow{Id::HomeStopperPlus, "+側ストッパ"},
    EditorTextRow{Id::HomeStopperMinus, "-側ストッパ"},
    EditorTextRow{Id::Acceleration, "加速度"},
    EditorTextRow{Id::HomingFrame, "原点復帰時の電流制限"},
    EditorTextRow{Id::HomeSpeedCaption, "原点復帰速度"},
    EditorTextRow{Id::HomeAccCaption, "原点復帰加速度"},
    EditorTextRow{Id::HomeCurrentCaption, "押し付け電流"},
    EditorTextRow{Id::TypeCaption, "タイプ"},
};

constexpr std::array kEnglish = {
    EditorTextRow{Id::AxisCaption, "Axis No."},
    EditorTextRow{Id::PointCaption, "Position No."},
    EditorTextRow{Id::PageCaption, "Page No."},
    EditorTextRow{Id::PositionCaption, "Position"},
    EditorTextRow{Id::InPosCaption, "At position width"},
    EditorTextRow{Id::SpeedCaption, "SpeedCommand"},
    EditorTextRow{Id::AccCaption, "AccelarationCommand"},
    EditorTextRow{Id::StopCurrentCaption, "Stop current"},
    EditorTextRow{Id::GainCaption, "Servo gain"},
    EditorTextRow{Id::PushForceCaption, "PusherForceCommand"},
    EditorTextRow{Id::ActuatorTypeCaption, "Type of actuater"},
    EditorTextRow{Id::LinearType, "Linear"},
    EditorTextRow{Id::RotaryType, "Rotary"},
    EditorTextRow{Id::AnyType, "Any Type"},
    EditorTextRow{Id::EndlessRotation, "Endless Rotation"},
    EditorTextRow{Id::MaxAccel, "Max. Accelaration"},
    EditorTextRow{Id::RelativeMove, "Relative"},
    EditorTextRow{Id::PusherValid, "Pusher valid"},
    EditorTextRow{Id::PusherFrame, "Pusher positioning"},
    EditorTextRow{Id::PushDirFrame, "Pushing direction"},
    EditorTextRow{Id::PushFwd, "Forward side"},
    EditorTextRow{Id::PushRvs, "Reverse side"},
    EditorTextRow{Id::EndFwd, "Forward end side"},
    EditorTextRow{Id::EndRvs, "Reverse end side"},
    EditorTextRow{Id::Store, "Store"},
    EditorTextRow{Id::StoreQuestion, "Do you want to store the data of this point?"},
    EditorTextRow{Id::UpperLimitMessage,
                  "Position data setting is limited at max. value due to over-(upper)range of "
                  "Movement."},
    EditorTextRow{Id::UpperLimitTitle, "Over Upper Limit"},
    EditorTextRow{Id::LowerLimitMessage,
                  "Position data setting is limited at min. value due to over-(lower)range of "
                  "Movement."},
    EditorTextRow{Id::LowerLimitTitle, "Over Lower Limit"},
    EditorTextRow{Id::Cancel, "Cancel"},
    EditorTextRow{Id::ZeroLead, "Pitch=0 is not allowed."},
    EditorTextRow{Id::NotStored, "This is no number, or it is out of range. Nothing was stored."},
    EditorTextRow{Id::Interlock, "*ILK performs the cancellation of positioning"},
    EditorTextRow{Id::DecimalsCaption, "Disply Resolution"},
    EditorTextRow{Id::HomeForwardEnd, "Forward End"},
    EditorTextRow{Id::HomeReverseEnd, "Reverse End"},
    EditorTextRow{Id::Pitch, "Pitch"},
    EditorTextRow{Id::Unit, "Unit"},
    EditorTextRow{Id::PerMotorRevolution, "/ Motor Revolution"},
    EditorTextRow{Id::MotorResolution, "Motor Resolution"},
    EditorTextRow{Id::CoordinateFrame, "Coordinate System"},
    EditorTextRow{Id::FwdLimitCaption, "Forward Stroke Limit"},
    EditorTextRow{Id::RvsLimitCaption, "Reverse Stroke Limit"},
    EditorTextRow{Id::HomeModeCaption, "Homing Mode"},
    EditorTextRow{Id::StrokeCaption, "Stroke"},
    EditorTextRow{Id::ZoneFrame, "Zone"},
    EditorTextRow{Id::FwdZoneCaption, "Forward Zone Boundary"},
    EditorTextRow{Id::RvsZoneCaption, "Reverse Zone Boundary"},
    EditorTextRow{Id::HomeAtCurrent, "Current position immediately"},
    EditorTextRow{Id::HomeInhPlusEdge, "OFF to ON edge of *INH+"},
    EditorTextRow{Id::HomeInhMinusEdge, "OFF to ON edge of *INH-"},
    EditorTextRow{Id::HomeStopperPlus, "Stopper for +"},
    EditorTextRow{Id::HomeStopperMinus, "Stopper for -"},
    EditorTextRow{Id::Acceleration, "Accelaration"},
    EditorTextRow{Id::HomingFrame, "Current Limitter in Homing"},
    EditorTextRow{Id::HomeSpeedCaption, "Homing Speed"},
    EditorTextRow{Id::HomeAccCaption, "Homing Acceleration"},
    EditorTextRow{Id::HomeCurrentCaption, "Push Current"},
    EditorTextRow{Id::TypeCaption, "Type"},
};

// Both languages fill the same indices, each once and inside the table.
template <size_t N, size_t M>
constexpr bool SameIndices(const std::array<EditorTextRow, N>& a,
                           const std::array<EditorTextRow, M>& b) {
  if (N != M) return false;
  for (size_t i = 0; i < N; ++i) {
    const int index = static_cast<int>(a[i].id);
    if (a[i].id != b[i].id || index >= kEditorTextSize) return false;
    if (i > 0 && index <= static_cast<int>(a[i - 1].id)) return false;
  }
  return true;
}
static_assert(SameIndices(kJapanese, kEnglish));

}  // namespace

const std::span<const EditorTextRow> kJapaneseEditorTexts{kJapanese};
const std::span<const EditorTextRow> kEnglishEditorTexts{kEnglish};

}  // namespace editors
