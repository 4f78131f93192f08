// The auto shutdown switch and its status line.
#include "behaviour/options/auto_shutdown.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

using AutoShutdownTest = ProgramTest;

void expectSwitch(Form1& f, bool on) {
  EXPECT_EQ(f.Onshut.checked(), on);
  EXPECT_EQ(f.Offshut.checked(), !on);
  EXPECT_EQ(f.Label11.caption(), on ? "Auto Shutdown Is On" : "Auto Shutdown Is Off");
}

TEST_F(AutoShutdownTest, OnAndOffMoveTheMarkAndTheStatusLineFollows) {
  Form1& f = app.form1();
  f.Onshut.click();
  expectSwitch(f, true);
  f.Onshut.click();
  expectSwitch(f, true);
  f.Offshut.click();
  expectSwitch(f, false);
  f.Offshut.click();
  expectSwitch(f, false);
}

TEST_F(AutoShutdownTest, TheStatusLineIsWrittenAgainEvenWhenUnchanged) {
  Form1& f = app.form1();
  int writes = 0;
  f.Label11.onChange = [&] { ++writes; };
  f.Label11.setCaption("stale");
  autoshutdown::ShowAutoShutdownStatus(app.context());
  EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_EQ(writes, 2);
}

TEST_F(AutoShutdownTest, TheStatusLineStaysEnglishAfterSwitchingLanguage) {
  app.form1().Onshut.click();
  app.form1().Indonesian.click();
  expectSwitch(app.form1(), true);
}

}  // namespace
}  // namespace reminder::test
