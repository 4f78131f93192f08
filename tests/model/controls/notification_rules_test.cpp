// The rules by which code writes and user actions raise a control's handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/form.h"
#include "model/controls/label.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"
#include "support/typing.h"

namespace reminder {
namespace {

class Window final : public Form {
 public:
  Window() : Form("Window") {}
  TextBox Text1{*this, "Text1"};
  Label Label1{*this, "Label1"};
  CheckBox Check1{*this, "Check1"};
  OptionButton Option1{*this, "Option1"};
  OptionButton Option2{*this, "Option2"};
  CommandButton Command1{*this, "Command1"};
  MenuItem Menu{*this, "Menu", "Menu"};
  MenuItem Item{Menu, "Item", "Item", "F3"};
};

TEST(NotificationRules, TextWriteRaisesChangeNestedInTheWriteAndOnlyOnARealChange) {
  Window w;
  std::vector<std::string> seen;
  w.Text1.onChange = [&] { seen.push_back(w.Text1.text()); };

  w.Text1.setText("5");
  seen.push_back("after write");
  w.Text1.setText("5");

  EXPECT_EQ(seen, (std::vector<std::string>{"5", "after write"}));
}

TEST(NotificationRules, AWriteInsideTheSameChangeHandlerRaisesItAgainNested) {
  Window w;
  std::vector<std::string> trace;
  // Strips leading zeros one at a time, as the composed alarm time does.
  w.Text1.onChange = [&] {
    trace.push_back("enter " + w.Text1.text());
    if (!w.Text1.text().empty() && w.Text1.text().front() == '0') {
      w.Text1.setText(w.Text1.text().substr(1));
    }
    trace.push_back("leave " + w.Text1.text());
  };

  w.Text1.setText("009");

  EXPECT_EQ(trace, (std::vector<std::string>{"enter 009", "enter 09", "enter 9", "leave 9",
                                             "leave 9", "leave 9"}));
}

TEST(NotificationRules, CaptionWriteRaisesChangeOnlyOnARealChange) {
  Window w;
  int changes = 0;
  w.Label1.onChange = [&] { ++changes; };
  w.Label1.setCaption("9:00:00 AM");
  w.Label1.setCaption("9:00:00 AM");
  w.Label1.setCaption("9:00:01 AM");
  EXPECT_EQ(changes, 2);
}

TEST(NotificationRules, CheckBoxValueWriteRaisesClickOnlyWhenTheValueChanges) {
  Window w;
  std::vector<int> clicks;
  w.Check1.onClick = [&] { clicks.push_back(w.Check1.value()); };

  w.Check1.setValue(0);  // already 0
  w.Check1.setValue(1);
  w.Check1.setValue(1);
  w.Check1.click();  // the user unticks it
  w.Check1.click();

  EXPECT_EQ(clicks, (std::vector<int>{1, 0, 1}));
}

TEST(NotificationRules, SelectingAnOptionClearsItsSiblingsSilently) {
  Window w;
  std::vector<std::string> clicks;
  w.Option1.onClick = [&] { clicks.emplace_back("Option1"); };
  w.Option2.onClick = [&] { clicks.emplace_back("Option2"); };

  w.Option1.click();
  w.Option2.click();
  w.Option2.setValue(false);

  EXPECT_EQ(clicks, (std::vector<std::string>{"Option1", "Option2"}));
  EXPECT_FALSE(w.Option1.value());
  EXPECT_FALSE(w.Option2.value());
}

TEST(NotificationRules, MenuCheckMarkAndVisibilityRaiseNothing) {
  Window w;
  int clicks = 0;
  w.Item.onClick = [&] { ++clicks; };
  w.Item.setChecked(true);
  w.Item.setVisible(false);
  w.Item.click();  // a hidden item cannot be chosen
  EXPECT_EQ(clicks, 0);
  w.Item.setVisible(true);
  w.Item.click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(w.Item.checked());
}

TEST(NotificationRules, MaxLengthAndLockedLimitTypingButNotCode) {
  Window w;
  w.Text1.maxLength = 2;
  test::type(w.Text1, "123");
  EXPECT_EQ(w.Text1.text(), "12");

  w.Text1.setText("12345");
  EXPECT_EQ(w.Text1.text(), "12345");

  w.Text1.setLocked(true);
  w.Text1.setText("");
  test::type(w.Text1, "7");
  w.Text1.userEdit("8");
  EXPECT_EQ(w.Text1.text(), "");
  w.Text1.setText("9");
  EXPECT_EQ(w.Text1.text(), "9");
}

TEST(NotificationRules, TypingRaisesChangeForEveryKeystroke) {
  Window w;
  std::vector<std::string> seen;
  w.Text1.onChange = [&] { seen.push_back(w.Text1.text()); };
  test::type(w.Text1, "05");
  EXPECT_EQ(seen, (std::vector<std::string>{"0", "05"}));
}

TEST(NotificationRules, DisabledOrHiddenControlsTakeNoClick) {
  Window w;
  int clicks = 0;
  w.Command1.onClick = [&] { ++clicks; };
  w.Check1.onClick = [&] { ++clicks; };
  w.Command1.setEnabled(false);
  w.Check1.setVisible(false);
  w.Command1.click();
  w.Check1.click();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(w.Check1.value(), 0);
}

TEST(NotificationRules, ObserversHearEveryRealChangeOfState) {
  Window w;
  std::vector<Property> heard;
  w.Text1.setObserver([&](Property p) { heard.push_back(p); });
  w.Text1.setText("a");
  w.Text1.setText("a");
  w.Text1.setEnabled(false);
  w.Text1.setEnabled(false);
  w.Text1.setLocked(true);
  w.Text1.setVisible(false);
  EXPECT_EQ(heard, (std::vector<Property>{Property::Text, Property::Enabled, Property::Locked,
                                          Property::Visible}));
}

}  // namespace
}  // namespace reminder
