// The main window's real menu bar: actions drive the program, the program drives the actions.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "frontend/qt/view/gui_fixture.h"
#include "model/controls/command_button.h"
#include "model/controls/label.h"

namespace reminder::test {
namespace {

class MenuTest : public GuiTest {
 protected:
  // Every label and button of the main window shows the caption its control holds, and is
  // announced by it.
  void expectCaptionsShown() {
    for (const Label* label : form1().controlsOf<Label>()) {
      auto* shown = widget<QLabel>(form1(), label->name().c_str());
      EXPECT_EQ(shown->text().toStdString(), label->caption()) << label->name();
    }
    for (const CommandButton* button : form1().controlsOf<CommandButton>()) {
      auto* shown = widget<QPushButton>(form1(), button->name().c_str());
      EXPECT_EQ(shown->text().toStdString(), button->caption()) << button->name();
      EXPECT_EQ(shown->accessibleName().toStdString(), button->caption()) << button->name();
    }
  }
};

TEST_F(MenuTest, LanguageItemsRelabelTheWindowAndMoveTheCheckMark) {
  QAction* english = action("English");
  QAction* indonesian = action("Indonesian");
  ASSERT_TRUE(english && indonesian);
  EXPECT_TRUE(english->isChecked());
  EXPECT_FALSE(indonesian->isChecked());

  indonesian->trigger();
  EXPECT_TRUE(form1().Indonesian.checked());
  EXPECT_TRUE(indonesian->isChecked());
  EXPECT_FALSE(english->isChecked());
  EXPECT_EQ(widget<QPushButton>(form1(), "Command1")->text(), "Mulai");
  expectCaptionsShown();
  // Relabelled, not re-enabled.
  EXPECT_FALSE(widget(form1(), "Command1")->isEnabled());

  english->trigger();
  EXPECT_TRUE(english->isChecked());
  EXPECT_FALSE(indonesian->isChecked());
  EXPECT_EQ(widget<QLabel>(form1(), "Label1")->text(), "Insert Minute:");
  expectCaptionsShown();
}

// Qt flips a checkable action before the program's handler runs; the mark must end up as the
// program left it, also when the handler had nothing to change.
TEST_F(MenuTest, CheckMarksAlwaysEndAsTheProgramLeavesThem) {
  for (const char* name : {"English", "English", "Offshut", "Offshut"}) {
    action(name)->trigger();
    EXPECT_TRUE(action(name)->isChecked()) << name;
  }
  EXPECT_FALSE(action("Indonesian")->isChecked());
  EXPECT_FALSE(action("Onshut")->isChecked());

  // Items that the program never checks never show a mark.
  action("Minimize")->trigger();
  EXPECT_FALSE(action("Minimize")->isChecked());

  // A mark set by code shows at once and chooses nothing.
  int clicks = 0;
  form1().Onshut.onClick = [&clicks] { ++clicks; };
  form1().Onshut.setChecked(true);
  EXPECT_TRUE(action("Onshut")->isChecked());
  form1().Onshut.setChecked(false);
  EXPECT_FALSE(action("Onshut")->isChecked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(MenuTest, AutoShutdownItemsSwitchTheStatusLine) {
  auto* status = widget<QLabel>(form1(), "Label11");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->text(), "Auto Shutdown Is Off");

  action("Onshut")->trigger();
  EXPECT_EQ(status->text(), "Auto Shutdown Is On");
  EXPECT_TRUE(action("Onshut")->isChecked());
  EXPECT_FALSE(action("Offshut")->isChecked());

  action("Offshut")->trigger();
  EXPECT_EQ(status->text(), "Auto Shutdown Is Off");
  EXPECT_FALSE(action("Onshut")->isChecked());
  EXPECT_TRUE(action("Offshut")->isChecked());
}

TEST_F(MenuTest, TheCancelItemsOfToolsStayHiddenUntilTheProgramShowsThem) {
  for (const char* name : {"cancel", "cancelc"}) {
    QAction* hidden = action(name);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible()) << name;
  }
  for (const char* name : {"Selprog", "selproc", "Runprog", "Autoclose"}) {
    EXPECT_TRUE(action(name)->isVisible()) << name;
  }
  EXPECT_EQ(action("Runprog")->text(), "Auto Run Program ");

  form1().cancel.setVisible(true);
  EXPECT_TRUE(action("cancel")->isVisible());
  EXPECT_FALSE(action("cancelc")->isVisible());
  form1().cancel.setVisible(false);
  EXPECT_FALSE(action("cancel")->isVisible());
}

// The keys go where a user's keys go: to the focused widget, which right after start is the
// minutes field (a field's own key bindings must not swallow a menu shortcut).
TEST_F(MenuTest, ShortcutsChooseTheirItemsFromAnywhereInTheMainWindow) {
  const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  struct Shortcut {
    const char* item;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const Shortcut shortcuts[] = {{"Indonesian", Qt::Key_I, Qt::ControlModifier},
                                {"English", Qt::Key_E, Qt::ControlModifier},
                                {"Onshut", Qt::Key_F11, ctrlShift},
                                {"Offshut", Qt::Key_F12, ctrlShift},
                                {"Exit", Qt::Key_F4, Qt::NoModifier},
                                {"Minimize", Qt::Key_F3, Qt::NoModifier}};
  for (const Shortcut& s : shortcuts) {
    EXPECT_EQ(action(s.item)->shortcut(), QKeySequence(s.modifiers.toInt() | s.key)) << s.item;
  }

  QWidget* minutes = widget(form1(), "Text1");
  ASSERT_EQ(QApplication::focusWidget(), minutes);
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  };
  QTest::keyClicks(minutes, "12");
  QTest::keyClick(minutes, Qt::Key_Home);

  press(Qt::Key_I, Qt::ControlModifier);
  EXPECT_TRUE(form1().Indonesian.checked());
  EXPECT_EQ(widget<QPushButton>(form1(), "Command1")->text(), "Mulai");
  press(Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(form1().English.checked());
  EXPECT_EQ(widget<QPushButton>(form1(), "Command1")->text(), "Start");

  press(Qt::Key_F11, ctrlShift);
  EXPECT_EQ(widget<QLabel>(form1(), "Label11")->text(), "Auto Shutdown Is On");
  press(Qt::Key_F12, ctrlShift);
  EXPECT_EQ(widget<QLabel>(form1(), "Label11")->text(), "Auto Shutdown Is Off");
  EXPECT_EQ(form1().Text1.text(), "12");

  view::FormWindow& window = mainWindow();
  dialogs.answer(MessageAnswer::No);
  press(Qt::Key_F4);
  ASSERT_EQ(dialogs.shown().size(), 1U);
  EXPECT_EQ(dialogs.last(), (Message{"Are You sure to exit?", "Exit", MessageButtons::YesNo}));
  EXPECT_TRUE(window.isVisible());

  press(Qt::Key_F3);
  EXPECT_EQ(form1().windowState(), WindowState::Minimized);
  EXPECT_TRUE(window.isMinimized());
}

TEST_F(MenuTest, MinimizeAndRestoreKeepTheWindowAndTheProgramInStep) {
  view::FormWindow& window = mainWindow();
  action("Minimize")->trigger();
  EXPECT_TRUE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());

  // The user restores it from the task bar.
  window.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(form1().windowState(), WindowState::Normal);
  EXPECT_FALSE(window.isMinimized());

  // The desktop minimises it; the program's own Minimize still works afterwards.
  window.setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(form1().windowState(), WindowState::Minimized);
  window.setWindowState(Qt::WindowNoState);
  action("Minimize")->trigger();
  EXPECT_TRUE(window.isMinimized());
}

TEST_F(MenuTest, HelpAndAboutActStraightFromTheMenuBar) {
  QMenuBar* bar = mainWindow().menuBar();
  for (const char* name : {"Help", "About"}) {
    QAction* item = action(name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->menu(), nullptr) << name << " opens no drop-down";
    const QRect place = bar->actionGeometry(item);
    ASSERT_TRUE(place.isValid()) << name << " sits on the bar";
    QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.last().title, name);
    EXPECT_EQ(dialogs.last().buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(dialogs.shown().size(), 2U);
}

TEST_F(MenuTest, ExitAnsweredNoAndTheCloseButtonLeaveEverythingAsItWas) {
  view::FormWindow& window = mainWindow();
  action("Onshut")->trigger();

  dialogs.answer(MessageAnswer::No);
  action("Exit")->trigger();
  dialogs.answer(MessageAnswer::No);
  EXPECT_FALSE(window.close());

  ASSERT_EQ(dialogs.shown().size(), 2U);
  EXPECT_EQ(dialogs.shown()[1], dialogs.shown()[0]);
  EXPECT_EQ(dialogs.last().prompt, "Are You sure to exit?");
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(action("Onshut")->isChecked());
  EXPECT_EQ(widget<QLabel>(form1(), "Label11")->text(), "Auto Shutdown Is On");
}

using MenuDeathTest = GuiTest;

TEST_F(MenuDeathTest, ExitAnsweredYesEndsTheProgramAtOnce) {
  EXPECT_EXIT(
      {
        dialogs.answer(MessageAnswer::Yes);
        QTest::keyClick(&mainWindow(), Qt::Key_F4);
      },
      ::testing::ExitedWithCode(kEndedByProgram), "");
  EXPECT_EXIT(
      {
        form3().show();  // an open picker does not hold the program
        dialogs.answer(MessageAnswer::Yes);
        mainWindow().close();
      },
      ::testing::ExitedWithCode(kEndedByProgram), "");
}

}  // namespace
}  // namespace reminder::test
