// The common-parameter editor window over the program's set-up, with scripted UI services.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <string>

#include "ComEditFixture.h"
#include "DecimalEntry.h"
#include "PlayModal.h"
#include "ScriptedUi.h"
#include "TabChain.h"
#include "axisdata/Units.h"
#include "editors/FormComEdit.h"
#include "shell/Forms.h"

using namespace axisdata;

namespace {

class FormComEditTest : public ComEditFixture {
 protected:
  void SetUp() override {
    ComEditFixture::SetUp();
    editors::RegisterFormComEdit();
  }

  void TearDown() override {
    Forms::Unload(FormId::ComEdit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ComEditFixture::TearDown();
  }

  // The point-table editor's "Parameter Setting": AxNum, then the window shown modal, where
  // `user` plays the user on the shown window.
  void ShowModalFor(std::int16_t axis, const std::function<void(FormComEdit&)>& user) {
    FormComEdit& form = Forms::Get<FormComEdit>(FormId::ComEdit);
    form.AxNum(axis);
    PlayModal(ui, form, user);
  }

  ScriptedUi ui;
};

struct ShownCase {
  const char* name;
  int code;
  const char* lead;
  const char* unit;
  const char* typeItem;
  bool strokeShown;
  int homeItems;
  const char* homeItem;
  const char* accUnit;
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name; }

class WindowShows : public FormComEditTest, public testing::WithParamInterface<ShownCase> {};

TEST_P(WindowShows, TheSetUpOfTheAxis) {
  const ShownCase& c = GetParam();
  SetAxis(c.code, 4);
  Words()[kAxisFlagsWord] = 8;
  FormComEdit& form = Forms::Get<FormComEdit>(FormId::ComEdit);
  form.AxNum(kAxis);
  EXPECT_EQ(form.AxNum(), kAxis);
  EXPECT_EQ(form.LblAxNum->text(), "2");
  EXPECT_EQ(form.LblTypeName->text().toStdString(), ModelName(c.code, 0));
  EXPECT_EQ(form.Text7[0]->text(), c.lead);
  EXPECT_EQ(form.Text7[1]->text(), c.unit);
  EXPECT_EQ(form.Text8->text(), "800");
  EXPECT_EQ(form.ComboType->currentText(), c.typeItem);
  EXPECT_EQ(form.ComboType->isEnabled(), c.code == 0);
  EXPECT_EQ(form.Text5->isHidden(), !c.strokeShown);
  EXPECT_EQ(form.TextFwdLimit->isHidden(), c.strokeShown);
  EXPECT_EQ(form.LblRvsLimit->isHidden(), c.strokeShown);
  EXPECT_EQ(form.CmbHomeSel->count(), c.homeItems);
  EXPECT_EQ(form.CmbHomeSel->currentText(), c.homeItem);
  EXPECT_EQ(form.LblHAccUnit->text(), c.accUnit);
  EXPECT_EQ(form.LblUnit5->text(), c.unit);
  EXPECT_EQ(form.Text3->text(), " 50");
  EXPECT_TRUE(form.CheckILK->isChecked());
  EXPECT_EQ(form.TextFwdLimit->text().toStdString(), FormatPulses(-8));
  EXPECT_EQ(form.FwdZoneTxt->text().toStdString(), FormatPulses(100));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WindowShows,
    testing::Values(
        ShownCase{"PulseMotor", 0, "800", "pulse", "Any Type", false, 5,
                  "Current position immediately", "r/min/ms"},
        ShownCase{"Rotary", 1, " 90", "deg", "Rotary", true, 5, "Current position immediately",
                  "r/min/ms"},
        ShownCase{"UserLinear", 0x15, "6.4", "mm", "Linear", false, 5,
                  "Current position immediately", "G"},
        ShownCase{"Catalogue", 0x2C, "6", "mm", "Linear", true, 2, "Forward End", "G"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormComEditTest, HomeListShowsTheGroupsOfTheMode) {
  SetAxis(0x15, 4);
  FormComEdit& form = Forms::Get<FormComEdit>(FormId::ComEdit);
  form.AxNum(kAxis);
  EXPECT_TRUE(form.Frame3->isHidden());
  emit form.CmbHomeSel->activated(3);
  EXPECT_FALSE(form.Frame3->isHidden());
  EXPECT_FALSE(form.Text3->isHidden());
  emit form.CmbHomeSel->activated(1);
  EXPECT_FALSE(form.Frame3->isHidden());
  EXPECT_TRUE(form.Text3->isHidden());
}

TEST_F(FormComEditTest, EnterInALimitBoxChangesTheSharedLimitBeforeOk) {
  SetAxis(0);  // one unit is one pulse
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.TextFwdLimit, "-250");
    EXPECT_EQ(FwdLimitPulses, -8);
    QTest::keyClick(form.TextFwdLimit, Qt::Key_Return);
    EXPECT_EQ(FwdLimitPulses, -250);
    EXPECT_EQ(form.TextFwdLimit->text(), "-250");
    EXPECT_EQ(Words()[kFwdLimitWord], -8);  // stored by OK only, and Enter pressed no button
    EXPECT_FALSE(AxisUnsaved[kAxis]);
  });
}

TEST_F(FormComEditTest, LeavingABoxCommitsIt) {
  SetAxis(0);
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.TextRvsLimit, "7000");
    TypeInto(form.RvsZoneTxt, "6000");
    EXPECT_EQ(RvsLimitPulses, 7000);
    form.FwdZoneTxt->setFocus();
    EXPECT_EQ(core.RvsZonePulses(), 6000);
  });
}

TEST_F(FormComEditTest, StrokeBoxSetsTheLimitBoxes) {
  SetAxis(0x2C);
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.Text5, "200");
    QTest::keyClick(form.Text5, Qt::Key_Return);
    EXPECT_EQ(form.Text5->text(), "150.000");
    EXPECT_EQ(form.TextRvsLimit->text(), "150.060");
  });
}

TEST_F(FormComEditTest, OkTwiceStoresTheSameBlockAndStaysOpen) {
  SetAxis(0x15, 4);  // lead 6.4
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.TextRvsLimit, "80");
    TypeInto(form.TxtHomeVel, "12.5");
    TypeInto(form.Text3, "75");
    form.CheckILK->click();
    QTest::mouseClick(form.CmdConf, Qt::LeftButton);
    EXPECT_EQ(Words()[kRvsLimitWord], 10000);
    EXPECT_EQ(Words()[kHomeSpeedWord], 586);  // 12.5 x 60 / 1.28 = 585.9
    EXPECT_EQ(Words()[kHomeCurrentWord], 168);
    EXPECT_EQ(Words()[kAxisFlagsWord], 8);
    EXPECT_TRUE(AxisUnsaved[kAxis] && AxisUnsent[kAxis]);
    const AxisWords first = Words();
    QTest::mouseClick(form.CmdConf, Qt::LeftButton);
    EXPECT_EQ(Words(), first);
    EXPECT_TRUE(Forms::IsLoaded(FormId::ComEdit));
    EXPECT_TRUE(form.isVisible());
  });
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormComEditTest, TextThatIsNoNumberIsRefusedOnOk) {
  SetAxis(0x15, 4);
  const AxisWords before = Words();
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.FwdZoneTxt, "1,5");
    QTest::keyClick(form.FwdZoneTxt, Qt::Key_Return);
    EXPECT_TRUE(ui.messages.empty());
    QTest::mouseClick(form.CmdConf, Qt::LeftButton);
  });
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 28), "Forward Zone Boundary: 1,5\nT");
  EXPECT_EQ(Words(), before);
}

// The European decimal sign: "." in a number box is a "," however it comes in, and a half is
// taken as a half, never as 5 and never refused (6.4 mm a turn and 0.008 mm a pulse for the user
// type; 3 mm a turn for the catalogue model, home at the forward end).
struct DecimalCase {
  const char* name;
  int code;
  std::function<QLineEdit*(FormComEdit&)> box;
  int word;
  std::int32_t stored;
};

void PrintTo(const DecimalCase& c, std::ostream* os) { *os << c.name; }

class ComEditDecimalSign : public FormComEditTest,
                           public testing::WithParamInterface<DecimalCase> {};

TEST_P(ComEditDecimalSign, IsTypedWithThePoint) {
  const DecimalCase& c = GetParam();
  platform::SetDecimalSign(',');
  SetAxis(c.code, 4);
  Words()[kHomeModeWord] = 7;  // shows the homing group with its current
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    QLineEdit* box = c.box(form);
    EnterEveryWay(box, "1.5", "1,5");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::mouseClick(form.CmdConf, Qt::LeftButton);
  });
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Words()[c.word], c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberBox, ComEditDecimalSign,
    testing::Values(
        DecimalCase{"FwdLimit", 0x15, [](FormComEdit& f) { return f.TextFwdLimit; },
                    kFwdLimitWord, 188},
        DecimalCase{"RvsLimit", 0x15, [](FormComEdit& f) { return f.TextRvsLimit; },
                    kRvsLimitWord, 188},
        DecimalCase{"FwdZone", 0x15, [](FormComEdit& f) { return f.FwdZoneTxt; }, kFwdZoneWord,
                    188},
        DecimalCase{"RvsZone", 0x15, [](FormComEdit& f) { return f.RvsZoneTxt; }, kRvsZoneWord,
                    188},
        // 1.5 x 60 / 1.28 = 70.3 speed codes.
        DecimalCase{"HomeSpeed", 0x15, [](FormComEdit& f) { return f.TxtHomeVel; },
                    kHomeSpeedWord, 70},
        // 1.5 % as a whole number is 2 %, 4.48 of 224.
        DecimalCase{"HomeCurrent", 0x15, [](FormComEdit& f) { return f.Text3; },
                    kHomeCurrentWord, 4},
        // A stroke of 400 pulses with 8 beyond it.
        DecimalCase{"Stroke", 0x2B, [](FormComEdit& f) { return f.Text5; }, kRvsLimitWord,
                    408}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormComEditTest, CancelUnloadsTheWindowAndDropsItsEdits) {
  SetAxis(0);
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    TypeInto(form.TxtHomeVel, "99");
    QTest::mouseClick(form.CmdCansel, Qt::LeftButton);
    EXPECT_FALSE(Forms::IsLoaded(FormId::ComEdit));
  });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(AxisUnsaved[kAxis]);
  FormComEdit& again = Forms::Get<FormComEdit>(FormId::ComEdit);
  again.AxNum(kAxis);
  EXPECT_EQ(again.TxtHomeVel->text().toStdString(), SpeedCodeToText(500));
}

TEST_F(FormComEditTest, EscapeCancels) {
  SetAxis(0);
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(Forms::IsLoaded(FormId::ComEdit));
  });
}

// Tab goes down the left column, then down the right one, then to the buttons; it passes the
// boxes that take no typing and the lists a type fixes.
struct TabCase {
  const char* name;
  int code;
  std::function<NamedWidgets(FormComEdit&)> stops;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

class ComEditTabOrder : public FormComEditTest, public testing::WithParamInterface<TabCase> {};

TEST_P(ComEditTabOrder, FollowsTheLayout) {
  const TabCase& c = GetParam();
  SetAxis(c.code, 4);
  Words()[kHomeModeWord] = 7;  // a user type homes against a stopper: every homing box shows
  ShowModalFor(kAxis, [&](FormComEdit& form) {
    const NamedWidgets stops = c.stops(form);
    EXPECT_EQ(TabStops(stops), Names(stops));
  });
}

NamedWidgets Homing(FormComEdit& f) {
  return {{"CmbHomeSel", f.CmbHomeSel}, {"TxtHomeVel", f.TxtHomeVel}, {"Text3", f.Text3},
          {"CheckILK", f.CheckILK},     {"CmdConf", f.CmdConf},       {"CmdCansel", f.CmdCansel}};
}

NamedWidgets Zones(FormComEdit& f) {
  return {{"FwdZoneTxt", f.FwdZoneTxt}, {"RvsZoneTxt", f.RvsZoneTxt}};
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ComEditTabOrder,
    testing::Values(
        TabCase{"PulseMotor", 0,
                [](FormComEdit& f) {
                  return Join({{{"ComboType", f.ComboType}, {"ComboReso", f.ComboReso}},
                               Zones(f),
                               {{"TextFwdLimit", f.TextFwdLimit}, {"TextRvsLimit", f.TextRvsLimit}},
                               Homing(f)});
                }},
        TabCase{"Rotary", 1, [](FormComEdit& f) { return Join({Zones(f), Homing(f)}); }},
        TabCase{"Catalogue", 0x2C,
                [](FormComEdit& f) { return Join({Zones(f), {{"Text5", f.Text5}}, Homing(f)}); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The boxes that show what the type decides look like it, the window's background behind their
// text; the stroke box takes typing for a catalogue model only.
TEST_F(FormComEditTest, BoxesThatTakeNoTypingLookReadOnly) {
  const auto looksReadOnly = [](const QLineEdit* box) {
    return box->isReadOnly() &&
           box->palette().color(QPalette::Base) == box->palette().color(QPalette::Window);
  };
  for (const auto& [code, strokeTyped] : {std::pair{0x2C, true}, std::pair{1, false}}) {
    SetAxis(code, 4);
    FormComEdit& form = Forms::Get<FormComEdit>(FormId::ComEdit);
    form.AxNum(kAxis);
    for (const QLineEdit* box : {form.Text7[0], form.Text7[1], form.Text8, form.TxtHomeAcc}) {
      EXPECT_TRUE(looksReadOnly(box)) << code;
    }
    for (const QLineEdit* box : {form.FwdZoneTxt, form.TxtHomeVel, form.Text3}) {
      EXPECT_FALSE(box->isReadOnly() || looksReadOnly(box)) << code;
    }
    EXPECT_EQ(looksReadOnly(form.Text5), !strokeTyped) << code;
    EXPECT_EQ(form.Text5->isReadOnly(), !strokeTyped) << code;
  }
}

// Every caption gets the room it needs, for a catalogue and a user-defined axis. With
// VUZ_SCREENSHOT_DIR set the two dialogs are saved there for a look.
TEST_F(FormComEditTest, EveryCaptionFits) {
  const std::pair<int, const char*> axes[] = {{0x2C, "comedit-catalogue.png"},
                                              {0x15, "comedit-user.png"}};
  for (const auto& [code, file] : axes) {
    SetAxis(code, 4);
    Words()[kHomeModeWord] = 7;
    FormComEdit& form = Forms::Get<FormComEdit>(FormId::ComEdit);
    form.AxNum(kAxis);
    form.show();
    QApplication::processEvents();
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (!w->isVisible() || qobject_cast<QLineEdit*>(w)) continue;
      EXPECT_GE(w->width(), w->minimumSizeHint().width())
          << file << " " << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    if (const char* dir = std::getenv("VUZ_SCREENSHOT_DIR")) {
      EXPECT_TRUE(form.grab().save(QString::fromUtf8(dir) + "/" + file));
    }
    form.hide();
  }
}

}  // namespace
