#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "shell/CSubclass.h"
#include "shell/basSubclass.h"

namespace {

struct Message {
  std::int32_t message, wParam, lParam;
  bool operator==(const Message&) const = default;
};

class CSubclassTest : public testing::Test {
 protected:
  // Records the messages a record raises.
  std::vector<Message>& Watch(CSubclass& record) {
    auto& seen = messages_.emplace_back(std::make_unique<std::vector<Message>>());
    QObject::connect(&record, &CSubclass::WindowMessage,
                     [list = seen.get()](std::int32_t m, std::int32_t w, std::int32_t l) {
                       list->push_back({m, w, l});
                     });
    return *seen;
  }

  static void Hook(CSubclass& record, QWidget& window) {
    record.SetHwnd(&window);
    ASSERT_TRUE(basSubclass::Subclass(record));
  }

  static void TypeA(QWidget& window) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&window, &press);
  }

  static bool Saw(const std::vector<Message>& seen, QEvent::Type type) {
    return std::any_of(seen.begin(), seen.end(), [type](const Message& m) {
      return m.message == static_cast<std::int32_t>(type);
    });
  }

  static void FreeReleasedHooks() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::vector<std::unique_ptr<std::vector<Message>>> messages_;
};

TEST_F(CSubclassTest, EveryMessageIsRaisedAndGoesOnToTheWindow) {
  QLineEdit window;
  CSubclass record;
  auto& seen = Watch(record);
  Hook(record, window);
  EXPECT_NE(record.ProcOrg(), nullptr);
  EXPECT_TRUE(basSubclass::IsListed(record));
  TypeA(window);
  EXPECT_EQ(window.text(), "a");
  EXPECT_TRUE(std::find(seen.begin(), seen.end(),
                        Message{QEvent::KeyPress, Qt::Key_A, 0}) != seen.end());
}

TEST_F(CSubclassTest, WithoutTheDefaultProcedureTheWindowMissesItsMessages) {
  QLineEdit window;
  CSubclass record;
  auto& seen = Watch(record);
  record.SetCallDefaultProc(false);
  Hook(record, window);
  TypeA(window);
  EXPECT_EQ(window.text(), "");
  EXPECT_TRUE(Saw(seen, QEvent::KeyPress));
}

TEST_F(CSubclassTest, WheelMessagesCarryTheWheelArguments) {
  QWidget window;
  CSubclass record;
  auto& seen = Watch(record);
  Hook(record, window);
  QWheelEvent wheel(QPointF(1, 2), QPointF(30, 40), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::ShiftModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&window, &wheel);
  const std::int32_t rotationAndKeys = static_cast<std::int32_t>(0xFF88'0004u);  // -120, Shift
  EXPECT_EQ(seen.back(), (Message{QEvent::Wheel, rotationAndKeys, 40 << 16 | 30}));
}

TEST_F(CSubclassTest, UnSubclassPutsBackEveryRecordOfTheWindow) {
  QLineEdit window, other;
  CSubclass first, second, elsewhere;
  auto& seenFirst = Watch(first);
  auto& seenSecond = Watch(second);
  auto& seenElsewhere = Watch(elsewhere);
  first.SetCallDefaultProc(false);
  Hook(first, window);
  Hook(second, window);
  Hook(elsewhere, other);
  basSubclass::UnSubclass(second);
  FreeReleasedHooks();
  EXPECT_EQ(first.ProcOrg(), nullptr);
  EXPECT_EQ(second.ProcOrg(), nullptr);
  EXPECT_NE(elsewhere.ProcOrg(), nullptr);
  seenFirst.clear();
  seenSecond.clear();
  TypeA(window);
  TypeA(other);
  EXPECT_EQ(window.text(), "a");
  EXPECT_TRUE(seenFirst.empty());
  EXPECT_TRUE(seenSecond.empty());
  EXPECT_TRUE(Saw(seenElsewhere, QEvent::KeyPress));
  EXPECT_TRUE(basSubclass::IsListed(first));  // unhooked records stay live records
}

TEST_F(CSubclassTest, ReleaseUnhooks) {
  QLineEdit window;
  {
    CSubclass record;
    record.SetCallDefaultProc(false);
    Hook(record, window);
  }
  FreeReleasedHooks();
  EXPECT_TRUE(window.findChildren<platform::WindowHook*>().empty());
  TypeA(window);
  EXPECT_EQ(window.text(), "a");
}

TEST_F(CSubclassTest, AHandlerMayReleaseItsOwnRecord) {
  QLineEdit window;
  auto record = std::make_unique<CSubclass>();
  QObject::connect(record.get(), &CSubclass::WindowMessage, [&record](std::int32_t message,
                                                                      std::int32_t, std::int32_t) {
    if (message == QEvent::KeyPress) record.reset();
  });
  Hook(*record, window);
  TypeA(window);
  EXPECT_EQ(record, nullptr);
  EXPECT_EQ(window.text(), "a");
  FreeReleasedHooks();
  EXPECT_TRUE(window.findChildren<platform::WindowHook*>().empty());
}

TEST_F(CSubclassTest, AWindowThatGoesFirstTakesItsHooks) {
  CSubclass record;
  auto window = std::make_unique<QWidget>();
  Hook(record, *window);
  window.reset();
  EXPECT_EQ(record.hwnd(), nullptr);
  EXPECT_EQ(record.ProcOrg(), nullptr);
}

TEST_F(CSubclassTest, AWindowKeptFromItsMessagesCanStillBeFreed) {
  CSubclass record;
  QPointer<QWidget> window = new QWidget;
  record.SetCallDefaultProc(false);
  Hook(record, *window);
  window->deleteLater();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST_F(CSubclassTest, NoWindowNoHook) {
  CSubclass record;
  EXPECT_FALSE(basSubclass::Subclass(record));
  EXPECT_EQ(record.ProcOrg(), nullptr);
  EXPECT_FALSE(basSubclass::IsListed(record));
}

}  // namespace
