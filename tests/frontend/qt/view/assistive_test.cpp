// What a screen reader or another assistive tool does is the user's doing: text it writes
// into a field is typing (a field that takes no typing keeps its text), and a box or choice
// it toggles is clicked.
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

#include "frontend/qt/view/gui_fixture.h"

namespace reminder::test {
namespace {

class AssistiveTest : public GuiTest {};

TEST_F(AssistiveTest, TextWrittenThroughTheAccessibleInterfaceReachesTheProgram) {
  auto* minutes = widget<QLineEdit>(form1(), "Text1");
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(minutes);
  ASSERT_NE(field, nullptr);
  ASSERT_NE(field->editableTextInterface(), nullptr);
  field->editableTextInterface()->insertText(0, QStringLiteral("2"));
  EXPECT_EQ(form1().Text1.text(), "2");
  EXPECT_TRUE(form1().Command1.enabled());

  dialogs.answer(MessageAnswer::No);
  form1().Command1.click();  // the field is locked while the countdown runs
  field->setText(QAccessible::Value, QStringLiteral("9"));
  EXPECT_EQ(form1().Text1.text(), "2");
  EXPECT_EQ(minutes->text(), QStringLiteral("2"));
}

TEST_F(AssistiveTest, ATickToggledThroughTheAccessibleInterfaceReachesTheProgram) {
  form1().Selprog.click();
  auto* ok = widget<QAbstractButton>(form2(), "Check1");
  QAccessible::queryAccessibleInterface(ok)->actionInterface()->doAction(
      QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(form2().Check1.value(), 1);
  EXPECT_FALSE(form2().visible());
  EXPECT_TRUE(ok->isChecked());
}

}  // namespace
}  // namespace reminder::test
