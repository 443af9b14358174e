// The single-point editor window, opened as the point-table editor opens it, with scripted UI
// services.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>

#include "DecimalEntry.h"
#include "PlayModal.h"
#include "PosEditFixture.h"
#include "ScriptedUi.h"
#include "TabChain.h"
#include "axisdata/Selection.h"
#include "editors/FormComEdit.h"
#include "editors/FormPosEdit.h"
#include "shell/Forms.h"

using namespace axisdata;
using editors::EditorText;
using editors::EditorTxt;
using editors::kCurrentRow;
using editors::kInPosRow;
using editors::kPositionRow;

namespace {

class FormPosEditTest : public PosEditFixture {
 protected:
  void SetUp() override {
    PosEditFixture::SetUp();
    editors::RegisterFormComEdit();
    editors::RegisterFormPosEdit();
  }

  void TearDown() override {
    Forms::Unload(FormId::PosEdit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    PosEditFixture::TearDown();
  }

  // The caller's order: the properties, then the window shown modal, where `user` plays the user.
  void ShowModalFor(std::int16_t page, const std::function<void(FormPosEdit&)>& user) {
    FormPosEdit& form = Forms::Get<FormPosEdit>(FormId::PosEdit);
    form.SetAxNum(kAxis);
    form.SetPgNum(page);
    form.SetPointNum(kPoint);
    PlayModal(ui, form, user);
  }

  static void Enter(QLineEdit* box, const QString& text) {
    TypeInto(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }

  ScriptedUi ui;
};

TEST_F(FormPosEditTest, TypedPositionsOutsideTheLimitsAreWarnedAboutAndClamped) {
  SetAxis(kPulseMotor, 0, 10000);
  ShowModalFor(0, [&](FormPosEdit& form) {
    EXPECT_EQ(form.LblAxNum->text(), "2");
    EXPECT_EQ(form.LblPtNum->text(), "3");
    Enter(form.Text2[kPositionRow], "12000");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, EditorText(EditorTxt::UpperLimitMessage));
    EXPECT_EQ(ui.messages[0].title, EditorText(EditorTxt::UpperLimitTitle));
    EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(form.Text2[kPositionRow]->text(), " 10000");
    EXPECT_EQ(form.Text4[kPositionRow]->text(), "10000");
    EXPECT_EQ(form.HScroll2[kPositionRow]->value(), form.HScroll2[kPositionRow]->maximum());

    Enter(form.Text2[kPositionRow], "-5");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, EditorText(EditorTxt::LowerLimitMessage));
    EXPECT_EQ(ui.messages[1].title, EditorText(EditorTxt::LowerLimitTitle));
    EXPECT_EQ(form.Text2[kPositionRow]->text(), " 0");
    EXPECT_EQ(form.HScroll2[kPositionRow]->value(), form.HScroll2[kPositionRow]->minimum());
  });
}

// Easy Edit in the point-table editor sets the three properties and reads the point once more,
// each a load; the point selected before (5) lies below the limits, the one opened above them.
TEST_F(FormPosEditTest, OpeningOnAPointBeyondTheLimitsWarnsOnceAboutThatPoint) {
  SetAxis(kPulseMotor, 0, 10000);
  Point()[kPCMD] = 12000;
  Point(5)[kPCMD] = -50;
  for (int opening = 1; opening <= 2; ++opening) {
    CurPoint = 5;
    FormPosEdit& form = Forms::Get<FormPosEdit>(FormId::PosEdit);
    form.SetAxNum(kAxis);
    form.SetPgNum(0);
    form.SetPointNum(kPoint);
    form.ReadPointData(CurAxis, CurPoint, CurPage);
    PlayModal<FormPosEdit>(ui, form, [&](FormPosEdit& shown) {
      ASSERT_EQ(ui.messages.size(), 1u) << "opening " << opening;
      EXPECT_EQ(ui.messages[0].text, EditorText(EditorTxt::UpperLimitMessage));
      EXPECT_EQ(ui.messages[0].title, EditorText(EditorTxt::UpperLimitTitle));
      EXPECT_EQ(shown.Text2[kPositionRow]->text(), " 10000");
      Enter(shown.Text2[kPositionRow], "12000");  // a typed value is warned about as before
      EXPECT_EQ(ui.messages.size(), 2u);
      QTest::mouseClick(shown.CommandCansel, Qt::LeftButton);
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui.messages.clear();
  }
}

TEST_F(FormPosEditTest, RelativeSliderMiddleIsNoMove) {
  SetAxis(kPulseMotor, 0, 10000);
  ShowModalFor(0, [&](FormPosEdit& form) {
    form.CheckIncre->click();
    form.HScroll2[kPositionRow]->setValue(0);
    EXPECT_EQ(form.Text2[kPositionRow]->text(), "-10000");
    form.HScroll2[kPositionRow]->setValue(16384);
    EXPECT_EQ(form.Text2[kPositionRow]->text(), " 0");
    EXPECT_EQ(form.Text4[kPositionRow]->text(), "0");
  });
}

TEST_F(FormPosEditTest, PusherShowsTheForceRowAndHidesTheWidthSlider) {
  SetAxis(kUserLinear, 0, 10000);
  ShowModalFor(0, [&](FormPosEdit& form) {
    EXPECT_TRUE(form.Text2[kCurrentRow]->isHidden());
    EXPECT_FALSE(form.FrameStopDir->isEnabled());
    form.CheckStopper->click();
    for (QWidget* w :
         std::initializer_list<QWidget*>{form.Label10[kInPosRow], form.LblUnit10,
                                         form.Text4[kInPosRow], form.HScroll2[kInPosRow]}) {
      EXPECT_TRUE(w->isHidden());
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{form.Label10[kCurrentRow], form.Label7,
                                         form.Text2[kCurrentRow], form.HScroll2[kCurrentRow]}) {
      EXPECT_FALSE(w->isHidden());
    }
    EXPECT_TRUE(form.FrameStopDir->isEnabled() && form.OptionStopRvs->isEnabled());
    EXPECT_EQ(form.Text2[kInPosRow]->text(), " 32767");
    form.CheckStopper->click();
    EXPECT_TRUE(form.Text2[kCurrentRow]->isHidden());
    EXPECT_FALSE(form.HScroll2[kInPosRow]->isHidden());
    EXPECT_FALSE(form.FrameStopDir->isEnabled());
  });
}

TEST_F(FormPosEditTest, EndlessRotationStillsItsControlsAndIsWrittenWithItsDirection) {
  SetAxis(kRotary, 0, 35999);
  ui.answers = {platform::MsgAnswer::Ok};
  ShowModalFor(0, [&](FormPosEdit& form) {
    EXPECT_FALSE(form.OptCWRot->isVisible());
    form.CheckRotate->click();
    EXPECT_TRUE(form.OptCWRot->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{
             form.CheckIncre, form.HScroll2[kPositionRow], form.HScroll2[kInPosRow],
             form.Text4[kPositionRow], form.Text4[kInPosRow], form.CheckStopper}) {
      EXPECT_FALSE(w->isEnabled());
    }
    EXPECT_FALSE(form.FrameStopper->isEnabled());
    form.OptCWRot->click();
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
  });
  EXPECT_EQ(Point()[kMXAC], 32);
  EXPECT_FALSE(Forms::IsLoaded(FormId::PosEdit));
}

TEST_F(FormPosEditTest, CancelInTheConfirmationWritesNothingAndEndsTheEdit) {
  SetAxis(kPulseMotor, 0, 10000);
  const AxisWords before = Words();
  ui.answers = {platform::MsgAnswer::Cancel};
  ShowModalFor(0, [&](FormPosEdit& form) {
    Enter(form.Text2[kPositionRow], "7000");
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
    EXPECT_FALSE(Forms::IsLoaded(FormId::PosEdit));
  });
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, EditorText(EditorTxt::StoreQuestion));
  EXPECT_EQ(ui.messages[0].title, EditorText(EditorTxt::Store));
  EXPECT_EQ(ui.messages[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(ui.messages[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(Words(), before);
  EXPECT_FALSE(AxisUnsaved[kAxis] || AxisUnsent[kAxis]);

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ui.answers = {platform::MsgAnswer::Ok};
  ShowModalFor(0, [&](FormPosEdit& form) {
    Enter(form.Text2[kPositionRow], "7000");
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
  });
  EXPECT_EQ(Point()[kPCMD], 7000);
  EXPECT_TRUE(AxisUnsaved[kAxis] && AxisUnsent[kAxis]);
}

TEST_F(FormPosEditTest, RefusedTurnsKeepTheWindowOpen) {
  SetAxis(kRotary, 0, 35999);
  Point()[kMXAC] = 8;
  ShowModalFor(0, [&](FormPosEdit& form) {
    ASSERT_FALSE(form.Text6->isHidden());
    form.Text6->setFocus();
    form.Text6->selectAll();
    QTest::keyClicks(form.Text6, "99999");
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
    EXPECT_TRUE(Forms::IsLoaded(FormId::PosEdit));
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(Forms::IsLoaded(FormId::PosEdit));
  });
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 13), "Turns: 99999\n");
  EXPECT_FALSE(AxisUnsaved[kAxis]);
}

TEST_F(FormPosEditTest, AnExtendedPageShowsItsNumberAndLocksTheBasePointRows) {
  AxisCount = 4;
  SetAxis(kPulseMotor, 0, 10000);
  ShowModalFor(2, [&](FormPosEdit& form) {
    EXPECT_EQ(form.MaxPage(), 12);
    EXPECT_EQ(form.PgNum(), 2);
    EXPECT_FALSE(form.LblPgNum->isHidden());
    EXPECT_EQ(form.LblPgNum->text(), "2");
    for (const int row : {1, 3, 4, 6}) {
      EXPECT_FALSE(form.HScroll2[row]->isEnabled() || form.Text2[row]->isEnabled()) << row;
    }
    EXPECT_FALSE(form.CheckIncre->isEnabled() || form.CheckAccel->isEnabled());
    EXPECT_FALSE(form.CheckStopper->isEnabled() || form.FrameStopDir->isEnabled());
    EXPECT_TRUE(form.Text2[kPositionRow]->isEnabled() && form.HScroll2[2]->isEnabled());
    QTest::mouseClick(form.CommandCansel, Qt::LeftButton);
  });
  EXPECT_TRUE(ui.messages.empty());
}

// 2 mm a turn: speed code 7 shows "0.05" and acceleration code 7 "0.002", which read back as 8
// and 6, and a width of 0 shows as 1 pulse. Opened, gone through with Tab (each box commits as
// it loses the focus) and confirmed, the point keeps every word.
TEST_F(FormPosEditTest, OkWithNothingTypedKeepsEveryWord) {
  SetAxis(0x0A, 0, 10000);
  Point()[kPCMD] = 2501;
  Point()[kVCMD] = 7;
  Point()[kACMD] = 7;
  const AxisWords before = Words();
  ui.answers = {platform::MsgAnswer::Ok};
  ShowModalFor(0, [&](FormPosEdit& form) {
    EXPECT_EQ(form.Text2[editors::kSpeedRow]->text(), "0.05");
    form.Text2[kPositionRow]->setFocus(Qt::TabFocusReason);
    // Past Text4(0), Text2(1), Text4(1), speed and acceleration to the gain, then out of it.
    for (int tab = 0; tab < 7; ++tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.CheckAccel);
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
  });
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, EditorText(EditorTxt::StoreQuestion));
  EXPECT_EQ(Point()[kVCMD], 7);
  EXPECT_EQ(Point()[kACMD], 7);
  for (int k = 0; k < kAxisWords; ++k) EXPECT_EQ(Words()[k], before[k]) << "word " << k;
}

// The European decimal sign: "." in a number box is a "," however it comes in, and a half is
// taken as a half, never as 5 and never refused (6.4 mm a turn, 0.008 mm a pulse).
struct DecimalCase {
  const char* name;
  std::int32_t mode;  // a push point shows row 4
  std::function<QLineEdit*(FormPosEdit&)> box;
  const char* typed;
  int field;
  std::int32_t stored;
};

void PrintTo(const DecimalCase& c, std::ostream* os) { *os << c.name; }

class PosEditDecimalSign : public FormPosEditTest,
                           public testing::WithParamInterface<DecimalCase> {};

TEST_P(PosEditDecimalSign, IsTypedWithThePoint) {
  const DecimalCase& c = GetParam();
  platform::SetDecimalSign(',');
  SetAxis(kUserLinear, 0, 10000);
  Point()[kMXAC] = c.mode;
  ui.answers = {platform::MsgAnswer::Ok};
  ShowModalFor(0, [&](FormPosEdit& form) {
    QLineEdit* box = c.box(form);
    EnterEveryWay(box, c.typed, QString(c.typed).replace('.', ','));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::mouseClick(form.CommandOK, Qt::LeftButton);
  });
  ASSERT_EQ(ui.messages.size(), 1u);  // the confirmation only
  EXPECT_EQ(Point()[c.field], c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberBox, PosEditDecimalSign,
    testing::Values(
        DecimalCase{"PositionInPulses", 0, [](FormPosEdit& f) { return f.Text2[0]; }, "2500.5",
                    kPCMD, 2500},
        DecimalCase{"PositionInUnits", 0, [](FormPosEdit& f) { return f.Text4[0]; }, "1.5",
                    kPCMD, 188},
        DecimalCase{"WidthInUnits", 0, [](FormPosEdit& f) { return f.Text4[1]; }, "1.5", kINP,
                    188},
        DecimalCase{"Speed", 0, [](FormPosEdit& f) { return f.Text2[2]; }, "1.5", kVCMD, 70},
        DecimalCase{"Acceleration", 0, [](FormPosEdit& f) { return f.Text2[3]; }, "0.15", kACMD,
                    138},
        DecimalCase{"PushForce", 2, [](FormPosEdit& f) { return f.Text2[4]; }, "1.5", kSPOW, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Tab goes row by row, each from left to right, then down the options' left column and the
// pusher group beside it, then to the buttons; it passes what is hidden or disabled.
struct TabCase {
  const char* name;
  int code;
  std::int32_t mode;
  std::function<NamedWidgets(FormPosEdit&)> stops;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

class PosEditTabOrder : public FormPosEditTest, public testing::WithParamInterface<TabCase> {};

TEST_P(PosEditTabOrder, FollowsTheLayout) {
  const TabCase& c = GetParam();
  SetAxis(c.code, 0, c.code == kRotary ? 35999 : 10000);
  Point()[kMXAC] = c.mode;
  ShowModalFor(0, [&](FormPosEdit& form) {
    const NamedWidgets stops = c.stops(form);
    EXPECT_EQ(TabStops(stops), Names(stops));
  });
}

NamedWidgets Buttons(FormPosEdit& f) {
  return {{"CommandOK", f.CommandOK}, {"CommandCansel", f.CommandCansel}};
}

INSTANTIATE_TEST_SUITE_P(
    Points, PosEditTabOrder,
    testing::Values(
        TabCase{"LinearPush", kUserLinear, 2,
                [](FormPosEdit& f) {
                  return Join({{{"Text2(0)", f.Text2[0]},
                                {"Text4(0)", f.Text4[0]},
                                {"Text2(1)", f.Text2[1]},
                                {"Text2(2)", f.Text2[2]},
                                {"Text2(3)", f.Text2[3]},
                                {"Text2(4)", f.Text2[4]},
                                {"Text2(6)", f.Text2[6]},
                                {"CheckAccel", f.CheckAccel},
                                {"CheckStopper", f.CheckStopper},
                                {"OptionStopFwd", f.OptionStopFwd}},
                               Buttons(f)});
                }},
        TabCase{"RotaryRelative", kRotary, 8,
                [](FormPosEdit& f) {
                  return Join({{{"Text2(0)", f.Text2[0]},
                                {"Text4(0)", f.Text4[0]},
                                {"Text6", f.Text6},
                                {"Text2(1)", f.Text2[1]},
                                {"Text4(1)", f.Text4[1]},
                                {"Text2(2)", f.Text2[2]},
                                {"Text2(3)", f.Text2[3]},
                                {"Text2(6)", f.Text2[6]},
                                {"CheckAccel", f.CheckAccel},
                                {"CheckIncre", f.CheckIncre},
                                {"CheckRotate", f.CheckRotate},
                                {"CheckStopper", f.CheckStopper}},
                               Buttons(f)});
                }}),
    [](const auto& info) { return std::string(info.param.name); });

// Every caption gets the room it needs. With VUZ_SCREENSHOT_DIR set the dialog of a linear push
// point and of a rotary relative point are saved there for a look.
TEST_F(FormPosEditTest, EveryCaptionFits) {
  struct Shot {
    int code;
    std::int32_t mode;
    const char* file;
  };
  for (const Shot& shot :
       {Shot{kUserLinear, 2, "posedit-linear.png"}, Shot{kRotary, 8 + 1, "posedit-rotary.png"}}) {
    SetAxis(shot.code, 0, shot.code == kRotary ? 35999 : 10000);
    Point()[kMXAC] = shot.mode;
    Point()[kPCMD] = 4000;
    Point()[kVCMD] = 1000;
    Point()[kACMD] = 300;
    Point()[kSPOW] = 90;
    Point()[kPLG0] = 6;
    FormPosEdit& form = Forms::Get<FormPosEdit>(FormId::PosEdit);
    form.SetAxNum(kAxis);
    form.SetPgNum(0);
    form.SetPointNum(kPoint);
    form.show();
    QApplication::processEvents();
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (!w->isVisible() || qobject_cast<QLineEdit*>(w) || qobject_cast<QScrollBar*>(w)) continue;
      EXPECT_GE(w->width(), w->minimumSizeHint().width())
          << shot.file << " " << w->metaObject()->className();
    }
    if (const char* dir = std::getenv("VUZ_SCREENSHOT_DIR")) {
      EXPECT_TRUE(form.grab().save(QString::fromUtf8(dir) + "/" + shot.file));
    }
    Forms::Unload(FormId::PosEdit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
