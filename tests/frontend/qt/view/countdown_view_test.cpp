// The countdown as a user sees it: typing into the real field, pressing the real button,
// and the windows on screen while it runs and when time is up.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "frontend/qt/view/gui_fixture.h"

namespace reminder::test {
namespace {

// How many pixels of `image` are ink, darker than mid grey.
int inkOf(const QImage& image) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ink += static_cast<int>(qGray(image.pixel(x, y)) < 128);
  }
  return ink;
}

// The ink of the text in a one-pixel framed box, and of the same text drawn whole.
int inkInside(QWidget& box) {
  const QImage image = box.grab().toImage();
  return inkOf(image.copy(1, 1, image.width() - 2, image.height() - 2));
}
int inkOfWhole(const QString& text, const QFont& font) {
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(10, 40, text);
  painter.end();
  return inkOf(image);
}

class CountdownViewTest : public GuiTest {
 protected:
  view::FormWindow* window(const Form& form) { return &windowOf(form); }
  // Into the build's screenshots, wherever the test is run from.
  void snapshot(const Form& form, const QString& name) {
    const QDir folder(QStringLiteral(REMINDER_SCREENSHOTS_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    windowOf(form).grab().save(folder.filePath(QStringLiteral("countdown-%1.png").arg(name)));
  }
};

TEST_F(CountdownViewTest, ARunShowsItsSecondsWholeAndEndsInTheTimeUpWindow) {
  const Form1& form1 = program.windows().form1();
  auto* minutes = widget<QLineEdit>(form1, "Text1");
  auto* start = widget<QPushButton>(form1, "Command1");
  auto* counter = widget<QLineEdit>(form1, "Text8");
  ASSERT_NE(minutes, nullptr);
  ASSERT_NE(counter, nullptr);

  QTest::keyClicks(minutes, QStringLiteral("1"));
  ASSERT_TRUE(start->isEnabled());
  dialogs.answer(MessageAnswer::No);
  QTest::mouseClick(start, Qt::LeftButton);

  EXPECT_TRUE(minutes->isReadOnly());
  EXPECT_FALSE(start->isEnabled());
  EXPECT_TRUE(counter->isVisible());
  EXPECT_EQ(counter->text(), QStringLiteral("60"));
  // The narrow counter shows its two digits whole, not scrolled or cut.
  EXPECT_GE(inkInside(*counter), inkOfWhole(QStringLiteral("60"), counter->font()) * 9 / 10);
  snapshot(form1, QStringLiteral("Form1-start"));

  time.advance(1500);
  EXPECT_EQ(counter->text(), QStringLiteral("59"));
  snapshot(form1, QStringLiteral("Form1-running"));

  time.advance(58'500);
  const FrmSplash& splash = program.windows().frmSplash();
  EXPECT_TRUE(window(splash)->isVisible());
  EXPECT_FALSE(counter->isVisible());
  EXPECT_EQ(minutes->text(), QStringLiteral("0"));
  EXPECT_FALSE(minutes->isReadOnly());
  snapshot(splash, QStringLiteral("frmSplash"));
  snapshot(form1, QStringLiteral("Form1-expired"));

  QWidget* ok = window(splash)->findChild<QWidget*>(QStringLiteral("Image1"));
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(window(splash)->isVisible());
}

}  // namespace
}  // namespace reminder::test
