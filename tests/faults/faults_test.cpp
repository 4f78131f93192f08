// What goes wrong around the program: ticks that come late, a clock put forward or back, a
// command that cannot be started, a drive that cannot be read. Nothing may crash, nothing
// armed may be lost, and every message that is due must be shown.
#include <gtest/gtest.h>

#include <algorithm>

#include "behaviour/alarm/alarm_user.h"
#include "behaviour/expiry/expiry_sequence.h"
#include "support/invariants.h"

namespace reminder::test {
namespace {

const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};

long timeUps(const Harness& app) {
  return std::count(app.dialogs.shown().begin(), app.dialogs.shown().end(), kTimeUp);
}

// The alarm's second may never be shown: ticks that come more than a second late, or a clock
// put forward over it. The alarm then goes off at once, late, and only once.
TEST(FaultsTest, AnAlarmWhoseSecondTheClockSkipsGoesOffLateButGoesOff) {
  AlarmUser busy;
  busy.enter("9", "00", "05", &Form1::Option1);
  busy.arm();
  busy.time.setTickLatency(1'500);  // each clock tick 1.5 s late: the label skips seconds
  busy.time.advance(60'000);
  EXPECT_EQ(timeUps(busy), 1);
  EXPECT_EQ(busy.form1().Text3.text(), "");

  AlarmUser springForward(TimeStyle::TwentyFourColon, {1, 59, 0, 0});
  springForward.enter("2", "30", "00");
  springForward.arm();
  springForward.time.advance(59'000);
  springForward.time.setClock({3, 0, 0, 0});  // daylight saving: 2:00 never comes
  springForward.time.advance(200);
  EXPECT_EQ(timeUps(springForward), 1);
  EXPECT_EQ(brokenInvariants(springForward, true), std::vector<std::string>{});
}

TEST(FaultsTest, AClockPutBackDoesNotSetOffAnAlarmItHasNotReached) {
  AlarmUser tomorrow(TimeStyle::TwentyFourColon, {3, 0, 0, 0});
  tomorrow.enter("1", "30", "00");
  tomorrow.arm();
  tomorrow.time.advance(1'000);
  tomorrow.time.setClock({2, 0, 0, 0});  // daylight saving ends
  tomorrow.time.advance(59LL * 60'000);
  EXPECT_EQ(timeUps(tomorrow), 0);
  EXPECT_EQ(tomorrow.form1().Text3.text(), "01:30:00");

  AlarmUser again(TimeStyle::TwentyFourColon, {3, 0, 0, 0});
  again.enter("2", "30", "30");  // tomorrow, until the clock is put back
  again.arm();
  again.time.setClock({2, 30, 0, 0});
  again.time.advance(29'000);
  EXPECT_EQ(timeUps(again), 0);
  again.time.advance(2'000);
  EXPECT_EQ(timeUps(again), 1);
}

// The countdown follows the time that passed: the clock moving does not touch it, and ticks
// that come late on a busy machine are made up, so it still ends on time.
TEST(FaultsTest, ACountdownIgnoresTheClockAndMakesUpLateTicks) {
  AlarmUser user;
  Form1& f = user.form1();
  test::type(f.Text1, "2");
  user.dialogs.answer(MessageAnswer::No);
  f.Command1.click();
  user.time.advance(30'000);
  user.time.setClock({8, 0, 0, 0});
  user.time.advance(30'000);
  user.time.setClock({23, 59, 59, 0});
  user.time.advance(30'000);
  EXPECT_EQ(f.Text1.text(), "1");
  user.time.setTickLatency(1'500);  // a tick every 2.5 s, each making up the seconds missed
  user.time.advance(28'000);
  EXPECT_EQ(f.Text1.text(), "1");
  EXPECT_EQ(timeUps(user), 0);
  user.time.advance(4'500);  // the end, 120 s after Start, comes with the next late tick
  EXPECT_EQ(timeUps(user), 1);
  EXPECT_EQ(brokenInvariants(user, true), std::vector<std::string>{});
}

TEST(FaultsTest, PlayersThatCannotBeClosedAreNamedAndTheReminderStillComes) {
  Harness app;
  app.program.start();
  app.commands.makeMissing("taskkill /im wmplayer.exe");
  app.commands.makeMissing("taskkill /im realplay.exe");
  app.form1().selproc.click();
  for (CheckBox* box :
       {&app.form3().Check1, &app.form3().Check2, &app.form3().Check3, &app.form3().Check5}) {
    box->click();
  }
  expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [] {});
  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"taskkill /im winamp.exe"});
  ASSERT_EQ(app.dialogs.shown().size(), 2U);
  EXPECT_EQ(app.dialogs.shown()[0],
            (Message{"Auto Close failed: Windows Media Player, Real Player could not be closed./"
                     "Tutup otomatis gagal: Windows Media Player, Real Player tidak dapat "
                     "ditutup.",
                     "Auto Close Program", MessageButtons::Ok}));
  EXPECT_EQ(app.dialogs.shown()[1], kTimeUp);
  EXPECT_EQ(app.form3().Check5.value(), 0);  // used up like a choice that worked
}

TEST(FaultsTest, DrivesThatCannotBeReadLeaveThePickerUsable) {
  Harness app;
  app.files.addDrive("/media/card");
  app.files.makeUnreadable("/media/card");
  app.files.addDrive("/");
  app.files.addFolder("/", "/home");
  app.files.addProgram("/", "tool");
  app.program.start();
  app.form1().Selprog.click();  // browsing starts at the card, which cannot be read
  Form2& f = app.form2();
  EXPECT_EQ(f.Dir1.path(), "");
  EXPECT_TRUE(f.File1.files().empty());
  f.Drive1.setDrive("/");
  f.File1.select("tool");
  EXPECT_EQ(f.Text1.text(), "/tool");
  app.files.makeUnreadable("/home");  // taken away while the picker is open
  f.Dir1.setPath("/home");
  EXPECT_TRUE(f.File1.files().empty());
  f.Drive1.setDrive("/media/card");
  EXPECT_EQ(f.Dir1.path(), "/home");
  EXPECT_EQ(f.Text1.text(), "/tool");
  EXPECT_TRUE(app.dialogs.shown().empty());

  Harness none;  // a machine with nothing to browse
  none.program.start();
  none.form1().Selprog.click();
  none.form2().Check1.click();
  EXPECT_EQ(none.form1().Label12.caption(), "Run ");
}

}  // namespace
}  // namespace reminder::test
