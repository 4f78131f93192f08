#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "behaviour/app/program.h"
#include "support/fake_file_system.h"
#include "support/fake_power.h"
#include "support/fake_process.h"
#include "support/fake_regional.h"
#include "support/recording_attention.h"
#include "support/recording_awake_hold.h"
#include "support/recording_starter.h"
#include "support/scripted_dialogs.h"
#include "support/typing.h"
#include "support/virtual_time.h"

namespace reminder::test {

// The whole program on fakes: virtual time and clock, scripted message boxes, recorded
// command lines, an end of the process that unwinds to the test, files in memory, and a
// power-off the system accepts at the next turn of the event loop unless scripted otherwise.
// Counts the ticks of `timer` from now on; its own handler still runs at each.
inline std::shared_ptr<int> countTicks(Timer& timer) {
  auto count = std::make_shared<int>(0);
  timer.onTimer = [count, handler = timer.onTimer] {
    ++*count;
    handler();
  };
  return count;
}

class Harness {
 public:
  explicit Harness(TimeStyle style = TimeStyle::TwelveHour, TimeOfDay start = {9, 0, 0, 0})
      : time(start), regional(style), settings(regional) {}
  // The program under other regional settings, the real ones for instance.
  Harness(Regional& other, TimeOfDay start) : time(start), settings(other) {}

  VirtualTime time;
  FakeRegional regional;
  Regional& settings;  // the regional settings in use: `regional` unless others were given
  ScriptedDialogs dialogs;
  RecordingStarter commands;
  FakeProcess process;
  FakeFileSystem files;
  FakePower power{time};
  RecordingAttention attention;
  RecordingProgress progress;
  RecordingAwakeHold awake;
  Platform platform{time,  time,  settings, dialogs,   commands, process,
                    files, power, time,     attention, progress, awake};
  // The names of the windows built so far (a window is built the first time it is asked for).
  std::set<std::string> built;
  Program program{platform, [this](Form& form) { built.insert(form.name()); }};

  Context& context() { return program.context(); }
  Form1& form1() { return program.windows().form1(); }
  FrmSplash& splash() { return program.windows().frmSplash(); }
  Form2& form2() { return program.windows().form2(); }
  Form3& form3() { return program.windows().form3(); }
};

// A test that starts the program as a user does.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { app.program.start(); }

  Harness app;
};

}  // namespace reminder::test
