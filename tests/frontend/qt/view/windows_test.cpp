// The four windows as built from their definitions: frames, sizes, places, keyboard order.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "frontend/qt/view/gui_fixture.h"
#include "model/controls/image.h"
#include "model/controls/label.h"
#include "model/forms/form1.h"

namespace reminder::test {
namespace {

using WindowsTest = GuiTest;

constexpr auto kTitleBarButtons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;

QSize clientSize(view::FormWindow& window) {
  return window.centralWidget()->size();
}

TEST_F(WindowsTest, TheMainWindowHasAFixedClientAreaAndNoMinimiseOrMaximiseButton) {
  view::FormWindow& window = mainWindow();
  EXPECT_EQ(window.windowTitle(), "KAVELTO Time Reminder");
  EXPECT_EQ(clientSize(window), QSize(362, 425));
  EXPECT_EQ(window.windowFlags() & kTitleBarButtons, Qt::WindowFlags{});
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.parentWidget(), nullptr) << "its own task-bar entry";
  EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));

  window.resize(600, 700);
  EXPECT_EQ(clientSize(window), QSize(362, 425));
}

TEST_F(WindowsTest, ThePickersAreOwnedByTheMainWindowAndTheTimeUpWindowByNone) {
  struct Expected {
    Form* form;
    Qt::WindowType type;
    QSize client;
    const char* title;
    QWidget* owner;
  };
  const Expected windows[] = {{&splash(), Qt::Window, {492, 283}, "", nullptr},
                              {&form2(), Qt::Tool, {315, 203}, "Select Program", &mainWindow()},
                              {&form3(), Qt::Tool, {304, 204}, "Select Program", &mainWindow()}};
  // The Time Up window comes up over the middle of the main window (give or take its frame,
  // which the desktop adds only once it is shown).
  mainWindow().move(300, 250);
  splash().show();
  const QPoint offset =
      windowOf(splash()).frameGeometry().center() - mainWindow().frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 8);

  for (const Expected& e : windows) {
    view::FormWindow& window = windowOf(*e.form);
    SCOPED_TRACE(e.form->name());
    EXPECT_EQ(window.isVisible(), e.form == &splash()) << "built hidden";
    e.form->show();
    EXPECT_EQ(window.parentWidget(), e.owner);
    EXPECT_EQ(window.windowType(), e.type);
    EXPECT_EQ(window.windowFlags() & kTitleBarButtons, Qt::WindowFlags{});
    EXPECT_EQ(clientSize(window), e.client);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), e.title);
  }
}

// Where the desktop leaves the title bar to the program (a Wayland compositor that does not
// decorate windows), the window draws one: its caption and a close button, nothing more.
TEST_F(WindowsTest, ATitleBarOfItsOwnHasOnlyACloseButtonAboveTheMenusAndTheSameClientArea) {
  Form1 form;
  view::FormWindow window(form, nullptr, true);
  form.show();
  int closeRequests = 0;
  form.onCloseRequest = [&] { ++closeRequests; };
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint) << "no title bar from Qt";
  const auto buttons = window.findChild<QWidget*>("titleBar")->findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(clientSize(window), QSize(362, 425));
  buttons.front()->click();
  EXPECT_EQ(closeRequests, 1);
}

// Every widget stands where its definition puts it, in pixels of 15 twips, inside the frame
// that holds it. Labels sized to their text keep only their place; pictures have their own size.
TEST_F(WindowsTest, ControlsSitAtTheirDefinedPlaceAndSize) {
  for (Form* form : allWindows()) {
    for (const Control* control : widgetControls(*form)) {
      SCOPED_TRACE(form->name() + "." + control->name());
      QWidget* shown = widget(*form, control->name().c_str());
      ASSERT_NE(shown, nullptr);
      const TwipRect& r = control->layout.rect;
      const QRect defined(r.left / 15, r.top / 15, r.width / 15, r.height / 15);
      const auto* label = dynamic_cast<const Label*>(control);
      if (dynamic_cast<const Image*>(control) != nullptr) {
        EXPECT_EQ(shown->pos(), defined.topLeft());
        EXPECT_EQ(shown->size(), QSize(64, 47));
      } else if (label != nullptr && label->autoSize && !label->caption().empty()) {
        EXPECT_EQ(shown->pos(), defined.topLeft());
      } else {
        EXPECT_EQ(shown->geometry(), defined);
      }
      const QString holder = control->layout.container != nullptr
                                 ? QString::fromStdString(control->layout.container->name())
                                 : QString::fromStdString(form->name()) + "Client";
      EXPECT_EQ(shown->parentWidget()->objectName(), holder);
    }
  }
}

// The status lines sit inside the frame's border, below its caption, never across them.
TEST_F(WindowsTest, StatusLinesSitInsideTheStatusFrame) {
  auto* frame = widget<QGroupBox>(form1(), "Frame1");
  ASSERT_NE(frame, nullptr);
  form1().Label12.setCaption("Auto Run : /usr/bin/xterm");
  form1().Label17.setCaption("Auto Close : Winamp");
  for (const char* name : {"Label11", "Label12", "Label17"}) {
    const QRect line = widget(form1(), name)->geometry();
    EXPECT_TRUE(frame->contentsRect().contains(line)) << name;
  }
}

QStringList focusChain(QWidget& first) {
  QStringList names;
  QWidget* w = &first;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty()) {
      names << w->objectName();
    }
    w = w->nextInFocusChain();
  } while (w != &first);
  return names;
}

TEST_F(WindowsTest, TabOrderFollowsTheDefinitionsTabIndices) {
  EXPECT_EQ(focusChain(*widget(form1(), "Text1")),
            QStringList({"Text1", "Command1", "Text2", "Text3", "Option1", "Option2", "Text4",
                         "Command2", "Text5", "Text6", "Text7", "Command3", "Command4", "Text8"}));
  EXPECT_EQ(focusChain(*widget(form2(), "Drive1")),
            QStringList({"Drive1", "Dir1", "File1", "Check1", "Text1", "Command1"}));
  EXPECT_EQ(focusChain(*widget(form3(), "Check1")),
            QStringList({"Check1", "Check2", "Check3", "Check4", "Check5", "Command1", "Text1",
                         "Command2"}));

  // Right after start Tab skips what is disabled or hidden.
  QWidget* minutes = widget(form1(), "Text1");
  minutes->setFocus();
  QStringList walked;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walked << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(walked, QStringList({"Text5", "Text6", "Text7", "Text1"}));
}

}  // namespace
}  // namespace reminder::test
