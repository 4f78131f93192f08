#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>

#include "behaviour/app/program.h"
#include "frontend/qt/view/form_window.h"
#include "frontend/qt/view/qt_view.h"
#include "support/fake_file_system.h"
#include "support/fake_power.h"
#include "support/fake_regional.h"
#include "support/recording_attention.h"
#include "support/recording_awake_hold.h"
#include "support/recording_starter.h"
#include "support/scripted_dialogs.h"
#include "support/virtual_time.h"

namespace reminder::test {

// The exit status of a test process that the program ended; any test that ends it by
// mistake fails in ctest with this status.
inline constexpr int kEndedByProgram = 3;

// Ends the test process on the spot, as the real program ends.
class EndingProcess final : public ProcessControl {
 public:
  [[noreturn]] void endNow() override;
};

// The real Qt windows of the program on fakes: virtual time, scripted message boxes,
// recorded command lines, files in memory. The program is started as a user starts it,
// and the main window is shown and active.
class GuiTest : public ::testing::Test {
 protected:
  GuiTest();

  VirtualTime time;
  FakeRegional regional;
  ScriptedDialogs dialogs;
  RecordingStarter commands;
  EndingProcess process;
  FakeFileSystem files;
  FakePower power{time};
  RecordingAttention attention;
  RecordingProgress progress;
  RecordingAwakeHold awake;
  Platform platform{time,  time,  regional, dialogs,   commands, process,
                    files, power, time,     attention, progress, awake};
  // Declared before the program, so the windows outlive the controls they show.
  view::QtView view;
  Program program{platform, [this](Form& form) { view.render(form); }};

  Form1& form1() { return program.windows().form1(); }
  Form2& form2() { return program.windows().form2(); }
  Form3& form3() { return program.windows().form3(); }
  FrmSplash& splash() { return program.windows().frmSplash(); }

  // The rendered window of `form`; fails the test when there is none.
  view::FormWindow& windowOf(const Form& form);
  view::FormWindow& mainWindow() { return windowOf(form1()); }

  // The widget that shows the control `name` of `form`, or null when it is not a `W`.
  template <typename W = QWidget>
  W* widget(const Form& form, const char* name) {
    W* found = windowOf(form).findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << form.name() << "." << name;
    return found;
  }
  // The action of the main window's menu item `name`.
  QAction* action(const char* name);

  // The four windows, each built and rendered.
  std::vector<Form*> allWindows() { return {&form1(), &splash(), &form2(), &form3()}; }
  // The controls of `form` that have a widget of their own (lines are painted on the window).
  static std::vector<const Control*> widgetControls(const Form& form);
};

}  // namespace reminder::test
