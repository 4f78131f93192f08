#include "frontend/qt/view/gui_fixture.h"

#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "model/controls/line.h"

namespace reminder::test {

void EndingProcess::endNow() {
  std::fflush(nullptr);
  std::_Exit(kEndedByProgram);
}

GuiTest::GuiTest() {
  program.start();
  view::FormWindow& main = mainWindow();
  main.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
}

view::FormWindow& GuiTest::windowOf(const Form& form) {
  view::FormWindow* window = view.windowOf(form);
  if (window == nullptr) throw std::logic_error(form.name() + " was not rendered");
  return *window;
}

QAction* GuiTest::action(const char* name) {
  auto* found = mainWindow().findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

std::vector<const Control*> GuiTest::widgetControls(const Form& form) {
  std::vector<const Control*> found;
  for (const Control* control : form.controls()) {
    if (dynamic_cast<const Line*>(control) == nullptr) found.push_back(control);
  }
  return found;
}

}  // namespace reminder::test
