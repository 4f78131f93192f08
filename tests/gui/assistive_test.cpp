// What a screen reader or another assistive tool writes into a field is the user's typing:
// the program sees it, and a field that takes no typing keeps its text.
#include <QAccessible>
#include <QLineEdit>

#include "gui/gui_fixture.h"

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

}  // namespace
}  // namespace reminder::test
