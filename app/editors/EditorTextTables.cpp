#include "editors/EditorTextTables.h"

#include <array>

#include "editors/EditorText.h"

namespace editors {

namespace {

constexpr std::array kJapanese = {
    EditorTextRow{39, "軸番号"},
    EditorTextRow{46, "ポジション番号"},
    EditorTextRow{49, "ページ番号"},
    EditorTextRow{50, "位置"},
    EditorTextRow{51, "位置決め幅"},
    EditorTextRow{52, "速度指令"},
    EditorTextRow{53, "加速度指令"},
    EditorTextRow{54, "停止電流"},
    EditorTextRow{56, "サーボゲイン"},
    EditorTextRow{57, "押し付け力指令"},
    EditorTextRow{60, "アクチュエータの種類"},
    EditorTextRow{61, "直動"},
    EditorTextRow{62, "回転"},
    EditorTextRow{63, "任意"},
    EditorTextRow{64, "エンドレス回転"},
    EditorTextRow{66, "最大加速度"},
    EditorTextRow{67, "相対移動"},
    EditorTextRow{68, "押し付け有効"},
    EditorTextRow{69, "押し付け位置決め"},
    EditorTextRow{70, "押し付け方向"},
    EditorTextRow{71, "前進側"},
    EditorTextRow{72, "後退側"},
    EditorTextRow{73, "前進端側"},
    EditorTextRow{74, "後退端側"},
    EditorTextRow{83, "登録"},
    EditorTextRow{84, "このポイントのデータを登録しますか？"},
    EditorTextRow{100, "移動範囲の上限を超えるため、位置データを最大値に制限しました。"},
    EditorTextRow{101, "上限オーバー"},
    EditorTextRow{102, "移動範囲の下限を超えるため、位置データを最小値に制限しました。"},
    EditorTextRow{103, "下限オーバー"},
    EditorTextRow{133, "キャンセル"},
    EditorTextRow{159, "ピッチ=0は設定できません。"},
    EditorTextRow{160, "数値でないか範囲外の値です。何も登録しませんでした。"},
    EditorTextRow{224, "*ILKで位置決めを中止する"},
    EditorTextRow{225, "表示分解能"},
    EditorTextRow{226, "前進端"},
    EditorTextRow{227, "後退端"},
    EditorTextRow{228, "ピッチ"},
    EditorTextRow{229, "単位"},
    EditorTextRow{230, "/ モータ1回転"},
    EditorTextRow{231, "モータ分解能"},
    EditorTextRow{232, "座標系"},
    EditorTextRow{233, "前進側ストロークリミット"},
    EditorTextRow{234, "後退側ストロークリミット"},
    EditorTextRow{235, "原点復帰モード"},
    EditorTextRow{236, "ストローク"},
    EditorTextRow{237, "ゾーン"},
    EditorTextRow{238, "前進側ゾーン境界"},
    EditorTextRow{239, "後退側ゾーン境界"},
    EditorTextRow{320, "現在位置を即原点"},
    EditorTextRow{321, "*INH+のOFF→ONエッジ"},
    EditorTextRow{322, "*INH-のOFF→ONエッジ"},
    EditorTextRow{323, "+側ストッパ"},
    EditorTextRow{324, "-側ストッパ"},
    EditorTextRow{325, "加速度"},
    EditorTextRow{326, "原点復帰時の電流制限"},
    EditorTextRow{327, "原点復帰速度"},
    EditorTextRow{328, "原点復帰加速度"},
    EditorTextRow{329, "押し付け電流"},
    EditorTextRow{349, "タイプ"},
};

constexpr std::array kEnglish = {
    EditorTextRow{39, "Axis No."},
    EditorTextRow{46, "Position No."},
    EditorTextRow{49, "Page No."},
    EditorTextRow{50, "Position"},
    EditorTextRow{51, "At position width"},
    EditorTextRow{52, "SpeedCommand"},
    EditorTextRow{53, "AccelarationCommand"},
    EditorTextRow{54, "Stop current"},
    EditorTextRow{56, "Servo gain"},
    EditorTextRow{57, "PusherForceCommand"},
    EditorTextRow{60, "Type of actuater"},
    EditorTextRow{61, "Linear"},
    EditorTextRow{62, "Rotary"},
    EditorTextRow{63, "Any Type"},
    EditorTextRow{64, "Endless Rotation"},
    EditorTextRow{66, "Max. Accelaration"},
    EditorTextRow{67, "Relative"},
    EditorTextRow{68, "Pusher valid"},
    EditorTextRow{69, "Pusher positioning"},
    EditorTextRow{70, "Pushing direction"},
    EditorTextRow{71, "Forward side"},
    EditorTextRow{72, "Reverse side"},
    EditorTextRow{73, "Forward end side"},
    EditorTextRow{74, "Reverse end side"},
    EditorTextRow{83, "Store"},
    EditorTextRow{84, "Do you want to store the data of this point?"},
    EditorTextRow{100, "Position data setting is limited at max. value due to over-(upper)range "
                       "of Movement."},
    EditorTextRow{101, "Over Upper Limit"},
    EditorTextRow{102, "Position data setting is limited at min. value due to over-(lower)range "
                       "of Movement."},
    EditorTextRow{103, "Over Lower Limit"},
    EditorTextRow{133, "Cancel"},
    EditorTextRow{159, "Pitch=0 is not allowed."},
    EditorTextRow{160, "This is no number, or it is out of range. Nothing was stored."},
    EditorTextRow{224, "*ILK performs the cancellation of positioning"},
    EditorTextRow{225, "Disply Resolution"},
    EditorTextRow{226, "Forward End"},
    EditorTextRow{227, "Reverse End"},
    EditorTextRow{228, "Pitch"},
    EditorTextRow{229, "Unit"},
    EditorTextRow{230, "/ Motor Revolution"},
    EditorTextRow{231, "Motor Resolution"},
    EditorTextRow{232, "Coordinate System"},
    EditorTextRow{233, "Forward Stroke Limit"},
    EditorTextRow{234, "Reverse Stroke Limit"},
    EditorTextRow{235, "Homing Mode"},
    EditorTextRow{236, "Stroke"},
    EditorTextRow{237, "Zone"},
    EditorTextRow{238, "Forward Zone Boundary"},
    EditorTextRow{239, "Reverse Zone Boundary"},
    EditorTextRow{320, "Current position immediately"},
    EditorTextRow{321, "OFF to ON edge of *INH+"},
    EditorTextRow{322, "OFF to ON edge of *INH-"},
    EditorTextRow{323, "Stopper for +"},
    EditorTextRow{324, "Stopper for -"},
    EditorTextRow{325, "Accelaration"},
    EditorTextRow{326, "Current Limitter in Homing"},
    EditorTextRow{327, "Homing Speed"},
    EditorTextRow{328, "Homing Acceleration"},
    EditorTextRow{329, "Push Current"},
    EditorTextRow{349, "Type"},
};

// Both languages fill the same indices, each once and inside the table.
template <size_t N, size_t M>
constexpr bool SameIndices(const std::array<EditorTextRow, N>& a,
                           const std::array<EditorTextRow, M>& b) {
  if (N != M) return false;
  for (size_t i = 0; i < N; ++i) {
    if (a[i].index != b[i].index || a[i].index >= kEditorTextSize) return false;
    if (i > 0 && a[i].index <= a[i - 1].index) return false;
  }
  return true;
}
static_assert(SameIndices(kJapanese, kEnglish));

}  // namespace

const std::span<const EditorTextRow> kJapaneseEditorTexts{kJapanese};
const std::span<const EditorTextRow> kEnglishEditorTexts{kEnglish};

}  // namespace editors
