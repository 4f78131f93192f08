// The text caret rests once the user leaves the program alone and blinks again at the next
// key or click, never against the desktop's own setting.
#include "platform/qt/view/caret_blink_timeout.h"

#include <gtest/gtest.h>

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

// Counts the repaints of a widget.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class CaretBlinkTimeoutTest : public ::testing::Test {
 protected:
  void SetUp() override { hints().setCursorFlashTime(kDesktopFlashTime); }
  void TearDown() override { hints().setCursorFlashTime(desktopFlashTime_); }

  static bool waitUntilResting() {
    return QTest::qWaitFor([] { return hints().cursorFlashTime() == 0; }, 3000);
  }

  static constexpr int kDesktopFlashTime = 1000;

 private:
  int desktopFlashTime_ = hints().cursorFlashTime();
};

TEST_F(CaretBlinkTimeoutTest, AFocusedFieldStopsRepaintingWhenLeftAloneUntilTheNextInput) {
  QLineEdit field;
  field.show();
  field.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
  field.setFocus();
  PaintCounter counter(field);

  QTest::qWait(1100);
  ASSERT_GT(counter.paints, 0) << "the caret blinks before the timeout";

  const CaretBlinkTimeout timeout(100ms);
  ASSERT_TRUE(waitUntilResting());
  QTest::qWait(50);  // the caret's last repaint, shown for good
  counter.paints = 0;
  QTest::qWait(1100);
  EXPECT_EQ(counter.paints, 0);

  QTest::keyClick(&field, Qt::Key_A);
  EXPECT_EQ(hints().cursorFlashTime(), kDesktopFlashTime);
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
