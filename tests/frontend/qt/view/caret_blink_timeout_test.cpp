// The text caret rests once the user leaves the program alone and blinks again at the next
// key or click, never against the desktop's own setting.
#include "frontend/qt/view/caret_blink_timeout.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <chrono>

namespace reminder::view {
namespace {

using namespace std::chrono_literals;

QStyleHints& hints() {
  return *QGuiApplication::styleHints();
}

// Whether the field's caret blinks: a text field blinks it with a timer of half the flash
// time, and stops that timer (and with it the repaints) when the caret rests.
bool blinks(const QLineEdit& field, int flashTime) {
  const QAbstractEventDispatcher& dispatcher = *QAbstractEventDispatcher::instance();
  for (QObject* part : field.findChildren<QObject*>()) {
    for (const auto& timer : dispatcher.registeredTimers(part)) {
      if (timer.interval == flashTime / 2) return true;
    }
  }
  return false;
}

class CaretBlinkTimeoutTest : public ::testing::Test {
 protected:
  void SetUp() override { hints().setCursorFlashTime(kDesktopFlashTime); }
  void TearDown() override { hints().setCursorFlashTime(desktopFlashTime_); }

  static bool waitUntilResting() {
    // A stop for a hung test, not a bound it checks.
    return QTest::qWaitFor([] { return hints().cursorFlashTime() == 0; }, 10000);
  }

  static constexpr int kDesktopFlashTime = 1000;

 private:
  int desktopFlashTime_ = hints().cursorFlashTime();
};

TEST_F(CaretBlinkTimeoutTest, AFocusedFieldStopsBlinkingWhenLeftAloneUntilTheNextInput) {
  QLineEdit field;
  field.show();
  field.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
  field.setFocus();
  ASSERT_TRUE(blinks(field, kDesktopFlashTime)) << "the caret blinks before the timeout";

  const CaretBlinkTimeout timeout(100ms);
  ASSERT_TRUE(waitUntilResting());
  EXPECT_FALSE(blinks(field, kDesktopFlashTime));

  QTest::keyClick(&field, Qt::Key_A);
  EXPECT_EQ(hints().cursorFlashTime(), kDesktopFlashTime);
  EXPECT_TRUE(blinks(field, kDesktopFlashTime));
  EXPECT_TRUE(waitUntilResting()) << "the timeout starts again after the key";

  QTest::mouseClick(&field, Qt::LeftButton);
  EXPECT_EQ(hints().cursorFlashTime(), kDesktopFlashTime);
}

TEST_F(CaretBlinkTimeoutTest, KeepsToTheDesktopsOwnFlashTime) {
  {
    const CaretBlinkTimeout timeout(10ms);
    ASSERT_TRUE(waitUntilResting());
  }
  EXPECT_EQ(hints().cursorFlashTime(), kDesktopFlashTime) << "blinking again once it is gone";

  // A desktop that does not blink gets no blinking from a key press.
  hints().setCursorFlashTime(0);
  QLineEdit field;
  const CaretBlinkTimeout timeout(10ms);
  QTest::keyClick(&field, Qt::Key_A);
  EXPECT_EQ(hints().cursorFlashTime(), 0);
}

}  // namespace
}  // namespace reminder::view
