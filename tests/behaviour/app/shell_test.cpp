// Start-up and the main window's own commands.
#include "behaviour/app/shell.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

using ShellTest = ProgramTest;

TEST_F(ShellTest, StartUpShowsTheMainWindowWithTheSwitchOffAndTheClockTicking) {
  Form1& f = app.form1();
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_EQ(f.Timer2.interval(), 100);
  EXPECT_FALSE(app.built.contains("Form2"));
  EXPECT_EQ(f.Label5.caption(), "");

  app.time.advance(100);
  EXPECT_EQ(f.Label5.caption(), "9:00:00 AM");
}

TEST_F(ShellTest, MinimizeKeepsEverythingRunning) {
  app.form1().Minimize.click();
  EXPECT_EQ(app.form1().windowState(), WindowState::Minimized);
  EXPECT_TRUE(app.form1().visible());
  app.time.advance(1100);
  EXPECT_EQ(app.form1().Label5.caption(), "9:00:01 AM");
}

TEST_F(ShellTest, ExitAsksAndEndsAtOnceOnYes) {
  app.dialogs.answer(MessageAnswer::Yes);
  EXPECT_THROW(app.form1().Exit.click(), ProcessEnded);
  EXPECT_EQ(app.dialogs.last(), (Message{"Are You sure to exit?", "Exit", MessageButtons::YesNo}));
  EXPECT_TRUE(app.process.ended());
}

TEST_F(ShellTest, ExitAnsweredNoChangesNothing) {
  app.dialogs.answer(MessageAnswer::No);
  app.form1().Exit.click();
  EXPECT_FALSE(app.process.ended());
  EXPECT_TRUE(app.form1().visible());
  EXPECT_EQ(app.dialogs.shown().size(), 1U);
}

TEST_F(ShellTest, ClosingTheMainWindowAsksTheExitQuestion) {
  app.dialogs.answer(MessageAnswer::No);
  app.form1().requestClose();
  EXPECT_TRUE(app.form1().visible());
  app.dialogs.answer(MessageAnswer::Yes);
  EXPECT_THROW(app.form1().requestClose(), ProcessEnded);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
}

TEST_F(ShellTest, HelpAndAboutShowTheirTextsWithOkOnly) {
  app.form1().Help.click();
  EXPECT_EQ(app.dialogs.last(), (Message{shell::kHelpText, "Help", MessageButtons::Ok}));
  EXPECT_EQ(std::string(shell::kHelpText),
            "Use this application for remind your time when playing computer & auto shut down "
            "your computer, Gunakan aplikasi ini untuk mengingat waktu Anda ketika bermain "
            "komputer & mematikan komputer secara otomatis");

  app.form1().About.click();
  EXPECT_EQ(app.dialogs.last().title, "About");
  EXPECT_NE(app.dialogs.last().prompt.find("KAVELTO Time Reminder"), std::string::npos);
  EXPECT_NE(app.dialogs.last().prompt.find("1.00.0004"), std::string::npos);
  EXPECT_EQ(app.dialogs.last().prompt.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace reminder::test
