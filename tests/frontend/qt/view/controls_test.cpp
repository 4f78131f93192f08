// The real widgets of the controls: the user's typing and clicking go into the program, the
// program's writes show in the widgets, and neither echoes back into the other.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "frontend/qt/view/gui_fixture.h"

namespace reminder::test {
namespace {

class ControlsTest : public GuiTest {
 protected:
  // Records every Change of `box` with the text it saw.
  void watch(TextBox& box) {
    box.onChange = [this, &box] { changes.push_back(box.text()); };
  }

  std::vector<std::string> changes;
};

TEST_F(ControlsTest, TypingGoesIntoTheControlOneKeystrokeAtATime) {
  auto* field = widget<QLineEdit>(form1(), "Text1");
  ASSERT_NE(field, nullptr);
  watch(form1().Text1);

  QTest::keyClicks(field, "25");
  EXPECT_EQ(form1().Text1.text(), "25");
  EXPECT_EQ(changes, (std::vector<std::string>{"2", "25"}));

  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(form1().Text1.text(), "2");
  EXPECT_EQ(changes.size(), 3U);
}

TEST_F(ControlsTest, CodeWritesShowOnceAndRaiseChangeOnce) {
  auto* field = widget<QLineEdit>(form1(), "Text6");
  ASSERT_NE(field, nullptr);
  watch(form1().Text6);

  form1().Text6.setText("7");
  EXPECT_EQ(field->text(), "7");
  form1().Text6.setText("7");
  EXPECT_EQ(changes, (std::vector<std::string>{"7"}));

  // A handler that rewrites its own field, nested: the field shows the last write.
  form1().Text6.onChange = [this] {
    Form1& f = form1();
    changes.push_back(f.Text6.text());
    if (f.Text6.text().size() == 1) f.Text6.setText("0" + f.Text6.text());
  };
  changes.clear();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, "5");
  EXPECT_EQ(form1().Text6.text(), "05");
  EXPECT_EQ(field->text(), "05");
  EXPECT_EQ(changes, (std::vector<std::string>{"", "5", "05"}));
}

TEST_F(ControlsTest, MaxLengthHoldsTheUserButNotTheProgram) {
  auto* hour = widget<QLineEdit>(form1(), "Text5");
  ASSERT_NE(hour, nullptr);
  QTest::keyClicks(hour, "123");
  EXPECT_EQ(form1().Text5.text(), "12");
  EXPECT_EQ(hour->text(), "12");

  form1().Text5.setText("12345");
  EXPECT_EQ(hour->text(), "12345");
  QTest::keyClicks(hour, "6");
  EXPECT_EQ(form1().Text5.text(), "12345");
  // Deleting from an over-long text is still typing the field accepts; adding is not.
  QTest::keyClick(hour, Qt::Key_Backspace);
  QTest::keyClicks(hour, "6");
  EXPECT_EQ(form1().Text5.text(), "1234");

  form1().Text5.setText("1");
  QTest::keyClicks(hour, "90");
  EXPECT_EQ(form1().Text5.text(), "19");
  EXPECT_EQ(hour->text(), "19");
}

TEST_F(ControlsTest, LockedFieldsRefuseTypingUntilUnlocked) {
  Form1& f = form1();
  auto* seconds = widget<QLineEdit>(f, "Text8");
  auto* minutes = widget<QLineEdit>(f, "Text1");
  ASSERT_TRUE(seconds && minutes);

  f.Text8.setVisible(true);
  EXPECT_TRUE(seconds->isVisible());
  QTest::keyClicks(seconds, "5");
  QTest::keyClick(seconds, Qt::Key_Backspace);
  EXPECT_EQ(f.Text8.text(), "60");
  EXPECT_EQ(seconds->text(), "60");

  QTest::keyClicks(minutes, "3");
  f.Text1.setLocked(true);
  QTest::keyClicks(minutes, "4");
  EXPECT_EQ(f.Text1.text(), "3");
  f.Text1.setText("2");  // the program still writes a locked field
  EXPECT_EQ(minutes->text(), "2");
  f.Text1.setLocked(false);
  QTest::keyClicks(minutes, "4");
  EXPECT_EQ(f.Text1.text(), "24");
}

TEST_F(ControlsTest, ButtonsActOnlyWhileTheProgramEnablesThem) {
  Form1& f = form1();
  auto* start = widget<QPushButton>(f, "Command1");
  ASSERT_NE(start, nullptr);
  int clicks = 0;
  f.Command1.onClick = [&clicks] { ++clicks; };

  EXPECT_FALSE(start->isEnabled());
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_EQ(clicks, 0);

  f.Command1.setEnabled(true);
  EXPECT_TRUE(start->isEnabled());
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);

  // A button that disables itself when clicked takes no second click.
  f.Command1.onClick = [&clicks, &f] {
    ++clicks;
    f.Command1.setEnabled(false);
  };
  QTest::mouseClick(start, Qt::LeftButton);
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(start->isEnabled());

  f.Command1.setVisible(false);
  EXPECT_FALSE(start->isVisible());
}

TEST_F(ControlsTest, CheckBoxesTickBothWaysAndRaiseClickOnRealChangesOnly) {
  Form3& f = form3();
  auto* player = widget<QCheckBox>(f, "Check1");
  auto* ok = widget<QPushButton>(f, "Check5");
  ASSERT_TRUE(player && ok);
  int clicks = 0;
  f.Check1.onClick = [&clicks] { ++clicks; };
  f.Check5.onClick = [&clicks] { ++clicks; };
  f.show();

  QTest::mouseClick(player, Qt::LeftButton);
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_TRUE(player->isChecked());
  EXPECT_EQ(clicks, 1);

  f.Check1.setValue(1);
  f.Check1.setValue(0);
  EXPECT_FALSE(player->isChecked());
  EXPECT_EQ(clicks, 2);

  // The push-button look stays pressed while ticked.
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(f.Check5.value(), 1);
  EXPECT_TRUE(ok->isChecked());
  f.Check5.setValue(0);
  EXPECT_FALSE(ok->isChecked());
  EXPECT_EQ(clicks, 4);
}

TEST_F(ControlsTest, OptionButtonsKeepOneSelectedAndStayPressed) {
  Form1& f = form1();
  auto* am = widget<QPushButton>(f, "Option1");
  auto* pm = widget<QPushButton>(f, "Option2");
  ASSERT_TRUE(am && pm);
  int clicks = 0;
  f.Option1.onClick = [&clicks] { ++clicks; };
  f.Option2.onClick = [&clicks] { ++clicks; };

  QTest::mouseClick(am, Qt::LeftButton);
  EXPECT_FALSE(f.Option1.value()) << "disabled at start";
  f.Option1.setEnabled(true);
  f.Option2.setEnabled(true);

  QTest::mouseClick(am, Qt::LeftButton);
  EXPECT_TRUE(f.Option1.value());
  EXPECT_TRUE(am->isChecked());
  QTest::mouseClick(pm, Qt::LeftButton);
  EXPECT_FALSE(f.Option1.value());
  EXPECT_FALSE(am->isChecked());
  EXPECT_TRUE(pm->isChecked());

  // Clicking the selected one again keeps it selected (and is a click all the same).
  QTest::mouseClick(pm, Qt::LeftButton);
  EXPECT_TRUE(f.Option2.value());
  EXPECT_TRUE(pm->isChecked());
  EXPECT_EQ(clicks, 3);

  // Unselecting by code raises nothing.
  f.Option2.setValue(false);
  EXPECT_FALSE(pm->isChecked());
  EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, WindowsShowAndHideAsTheProgramSays) {
  view::FormWindow& timeUp = windowOf(splash());
  EXPECT_FALSE(timeUp.isVisible());
  splash().show();
  EXPECT_TRUE(timeUp.isVisible());

  // Its OK picture puts it away.
  QWidget* picture = widget(splash(), "Image1");
  ASSERT_NE(picture, nullptr);
  QTest::mouseClick(picture, Qt::LeftButton);
  EXPECT_FALSE(splash().visible());
  EXPECT_FALSE(timeUp.isVisible());
  // So does its close button, and the next showing brings it back.
  splash().show();
  EXPECT_FALSE(timeUp.close());
  EXPECT_FALSE(timeUp.isVisible());
  splash().show();
  EXPECT_TRUE(timeUp.isVisible());

  // Hidden windows keep what they hold.
  form3().show();
  QTest::mouseClick(widget(form3(), "Check2"), Qt::LeftButton);
  form3().hide();
  form3().show();
  EXPECT_TRUE(widget<QCheckBox>(form3(), "Check2")->isChecked());
}

}  // namespace
}  // namespace reminder::test
