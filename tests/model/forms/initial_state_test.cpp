// Each window, right after it is built, holds exactly the state of its definition.
#include <gtest/gtest.h>

#include "model/forms/program_windows.h"

namespace reminder {
namespace {

TEST(MainWindowDefinition, ButtonsAndChoicesStartDisabledAndWorkingFieldsHidden) {
  Form1 f;
  EXPECT_EQ(f.caption, "KAVELTO Time Reminder");
  for (const CommandButton* b : {&f.Command1, &f.Command2, &f.Command3, &f.Command4}) {
    EXPECT_FALSE(b->enabled()) << b->name();
  }
  EXPECT_EQ(f.Command1.caption(), "Start");
  EXPECT_EQ(f.Command2.caption(), "Start");
  EXPECT_EQ(f.Command3.caption(), "Cancel");
  EXPECT_EQ(f.Command4.caption(), "Cancel");
  for (const OptionButton* o : {&f.Option1, &f.Option2}) {
    EXPECT_FALSE(o->enabled()) << o->name();
    EXPECT_FALSE(o->value()) << o->name();
    EXPECT_TRUE(o->visible()) << o->name();
  }
  for (const TextBox* t : {&f.Text2, &f.Text3, &f.Text4, &f.Text8}) {
    EXPECT_FALSE(t->visible()) << t->name();
  }
  for (const Line* l : {&f.Line6, &f.Line7, &f.Line8, &f.Line9}) {
    EXPECT_FALSE(l->visible()) << l->name();
  }
  for (const Line* l : {&f.Line1, &f.Line2, &f.Line3, &f.Line4, &f.Line5}) {
    EXPECT_TRUE(l->visible()) << l->name();
  }
}

TEST(MainWindowDefinition, MenuMarksAndHiddenCancelItems) {
  Form1 f;
  EXPECT_TRUE(f.English.checked());
  EXPECT_FALSE(f.Indonesian.checked());
  EXPECT_TRUE(f.Offshut.checked());
  EXPECT_FALSE(f.Onshut.checked());
  EXPECT_FALSE(f.cancelc.visible());
  EXPECT_FALSE(f.cancel.visible());
  EXPECT_EQ(f.Runprog.caption(), "Auto Run Program ");

  std::vector<std::string> bar;
  for (const MenuItem* item : f.menuBar()) bar.push_back(item->caption());
  EXPECT_EQ(bar, (std::vector<std::string>{"Control", "Languages", "Auto Shutdown", "Tools", "Help",
                                           "About"}));
  EXPECT_TRUE(f.Help.items().empty());
  EXPECT_TRUE(f.About.items().empty());
  EXPECT_EQ(f.Minimize.shortcut(), "F3");
  EXPECT_EQ(f.Exit.shortcut(), "F4");
  EXPECT_EQ(f.Onshut.shortcut(), "Shift+Ctrl+F11");
  EXPECT_EQ(f.Offshut.shortcut(), "Shift+Ctrl+F12");
}

TEST(MainWindowDefinition, FieldsLimitsCounterAndSelfSizingLabels) {
  Form1 f;
  EXPECT_EQ(f.Text8.text(), "60");
  EXPECT_TRUE(f.Text8.locked());
  EXPECT_EQ(f.Text2.maxLength, 8U);
  for (const TextBox* t : {&f.Text5, &f.Text6, &f.Text7}) EXPECT_EQ(t->maxLength, 2U);
  for (const Label* l : {&f.Label11, &f.Label12, &f.Label17}) {
    EXPECT_TRUE(l->autoSize);
    EXPECT_EQ(l->caption(), "");
    EXPECT_EQ(l->layout.rect.width, 45);
    EXPECT_EQ(l->layout.rect.height, 195);
    EXPECT_EQ(l->layout.container, &f.Frame1);
  }
  EXPECT_TRUE(f.Label5.autoSize);
  EXPECT_EQ(f.Label5.layout.rect.width, 75);
  EXPECT_EQ(f.Label5.layout.rect.height, 225);
  EXPECT_FALSE(f.Label15.autoSize);
}

TEST(MainWindowDefinition, TimersStartAsDefined) {
  Form1 f;
  EXPECT_TRUE(f.Timer2.enabled());
  EXPECT_EQ(f.Timer2.interval(), 0);
  for (const auto& [timer, interval] : {std::pair{&f.Timer3, 500}, std::pair{&f.Timer4, 1000},
                                        std::pair{&f.Timer5, 1500}, std::pair{&f.Timer6, 2000}}) {
    EXPECT_FALSE(timer->enabled()) << timer->name();
    EXPECT_EQ(timer->interval(), interval) << timer->name();
  }
}

TEST(MainWindowDefinition, TabOrderFollowsTheDefinitionWithoutGapsOrRepeats) {
  Form1 f;
  std::vector<int> tabs;
  for (const Control* c : f.controls()) {
    if (c->layout.tabIndex >= 0) tabs.push_back(c->layout.tabIndex);
  }
  ASSERT_EQ(tabs.size(), 32U);
  for (std::size_t i = 0; i < tabs.size(); ++i) EXPECT_EQ(tabs[i], static_cast<int>(i));
}

TEST(SecondaryWindowDefinitions, StartUntickedHiddenAndOutOfTheTaskBar) {
  Form2 picker;
  EXPECT_EQ(picker.Check1.value(), 0);
  EXPECT_EQ(picker.File1.pattern, "*.exe");
  EXPECT_FALSE(picker.Timer1.enabled());
  EXPECT_EQ(picker.Timer1.interval(), 1000);
  EXPECT_EQ(picker.caption, "Select Program");

  Form3 closer;
  for (const CheckBox* b :
       {&closer.Check1, &closer.Check2, &closer.Check3, &closer.Check4, &closer.Check5}) {
    EXPECT_EQ(b->value(), 0) << b->name();
  }
  EXPECT_FALSE(closer.Text1.visible());

  FrmSplash splash;
  EXPECT_EQ(splash.caption, "");
  EXPECT_EQ(splash.Label1.caption(), "TIME UP");
  EXPECT_EQ(splash.Image1.picture, "ok");

  for (const Form* form : std::initializer_list<const Form*>{&picker, &closer, &splash}) {
    EXPECT_FALSE(form->showInTaskbar) << form->name();
    EXPECT_FALSE(form->visible()) << form->name();
  }
}

TEST(Windows, SecondaryWindowsAreBuiltHiddenOnFirstReferenceAndOnlyOnce) {
  std::vector<std::string> built;
  Windows windows([&](Form& form) { built.push_back(form.name()); });
  windows.form1();
  EXPECT_EQ(built, std::vector<std::string>{"Form1"});

  windows.form3().Check2.setValue(1);
  EXPECT_EQ(windows.form3().Check2.value(), 1);  // the same instance
  EXPECT_FALSE(windows.form3().visible());
  EXPECT_EQ(built, (std::vector<std::string>{"Form1", "Form3"}));
}

}  // namespace
}  // namespace reminder
