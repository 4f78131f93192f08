// The Time Up window as the desktop gets it: a window of its own that stays on top, with
// its boxes above it; and the AM/PM choice as assistive technology gets it.
#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>

#include "behaviour/expiry/expiry_sequence.h"
#include "frontend/qt/view/gui_fixture.h"
#include "support/typing.h"

namespace reminder::test {
namespace {

class TimeUpWindowTest : public GuiTest {};

TEST_F(TimeUpWindowTest, HasNoOwnerStaysOnTopAndOwnsTheTimeUpBox) {
  bool boxOverTheWindow = false;
  dialogs.whileOpen([&](const Message& box) {
    boxOverTheWindow = view.dialogParent(box.owner) == &windowOf(splash());
    return MessageAnswer::Ok;
  });
  expiry::RunExpirySequence(program.context(), "Time Set to 1 Minute", [] {});

  view::FormWindow& window = windowOf(splash());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.parentWidget(), nullptr);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_NE(window.windowType(), Qt::Dialog);  // Qt ties a dialog to the main window
  EXPECT_TRUE(boxOverTheWindow);
  // The pickers still belong to the main window, which keeps them out of the task bar.
  EXPECT_EQ(windowOf(form3()).parentWidget(), &mainWindow());
  EXPECT_FALSE(windowOf(form3()).windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  splash().Image1.click();
  EXPECT_EQ(view.dialogParent(&splash()), &mainWindow());  // not on screen: not the owner
}

TEST_F(TimeUpWindowTest, TheMainWindowMinimisedStaysSoAndTheNoticeShows) {
  form1().setWindowState(WindowState::Minimized);
  expiry::RunExpirySequence(program.context(), "Time Set to 1 Minute", [] {});
  EXPECT_TRUE(windowOf(splash()).isVisible());
  EXPECT_TRUE(mainWindow().isMinimized());
  EXPECT_EQ(form1().windowState(), WindowState::Minimized);
}

TEST_F(TimeUpWindowTest, AmAndPmAreAnnouncedAsOneChoiceOfRadioButtons) {
  test::type(form1().Text5, "9");  // a valid hour enables the choice
  auto* am = widget<QAbstractButton>(form1(), "Option1");
  auto* pm = widget<QAbstractButton>(form1(), "Option2");
  QAccessibleInterface* amAccessible = QAccessible::queryAccessibleInterface(am);
  QAccessibleInterface* pmAccessible = QAccessible::queryAccessibleInterface(pm);
  ASSERT_TRUE(amAccessible != nullptr && pmAccessible != nullptr);
  EXPECT_EQ(amAccessible->role(), QAccessible::RadioButton);
  EXPECT_EQ(pmAccessible->role(), QAccessible::RadioButton);
  EXPECT_EQ(amAccessible->text(QAccessible::Name), QStringLiteral("AM"));
  EXPECT_TRUE(amAccessible->state().checkable);

  pmAccessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(form1().Option2.value(), true);
  EXPECT_TRUE(pmAccessible->state().checked);
  amAccessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(amAccessible->state().checked);
  EXPECT_FALSE(pmAccessible->state().checked);
  // A check box drawn as a push button is still a check box.
  EXPECT_NE(
      QAccessible::queryAccessibleInterface(widget<QAbstractButton>(form3(), "Check5"))->role(),
      QAccessible::RadioButton);
}

}  // namespace
}  // namespace reminder::test
