// The alarm goes off when the clock shows its target, runs the expiry and leaves the alarm
// idle; it never fires on a near miss and never touches the countdown.
#include <gtest/gtest.h>

#include <algorithm>

#include "behaviour/alarm/alarm_user.h"

namespace reminder::test {
namespace {

const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};

// Runs the clock until the Time Up box opens and says when that was.
std::optional<TimeOfDay> runUntilTimeUp(AlarmUser& user, std::int64_t ms) {
  std::optional<TimeOfDay> openedAt;
  user.dialogs.whileOpen([&](const Message& box) {
    EXPECT_EQ(box, kTimeUp);
    openedAt = user.time.now();
    return MessageAnswer::Ok;
  });
  user.time.advance(ms);
  return openedAt;
}

TEST(AlarmTriggerTest, EveryClockFormatGoesOffWithinATickOfTheTargetSecond) {
  struct Case {
    TimeStyle style;
    const char* hour;
    OptionButton Form1::*choice;
  };
  for (const Case& c : {Case{TimeStyle::TwelveHour, "9", &Form1::Option2},
                        Case{TimeStyle::TwentyFourColon, "21", nullptr},
                        Case{TimeStyle::TwentyFourDot, "21", nullptr},
                        Case{TimeStyle::DesignatorFirst, "21", nullptr}}) {
    AlarmUser user(c.style, {21, 0, 0, 0});
    user.enter(c.hour, "0", "5", c.choice);
    user.arm();
    const std::optional<TimeOfDay> openedAt = runUntilTimeUp(user, 10'000);
    ASSERT_TRUE(openedAt) << user.form1().Label5.caption();
    EXPECT_EQ(openedAt->second, 5);
    EXPECT_LT(openedAt->millisecond, 100);
  }
}

TEST(AlarmTriggerTest, TheEntryIsResetOnlyAfterTheNoticeAndTheAlarmIsThenIdle) {
  AlarmUser user;
  Form1& f = user.form1();
  f.Text1.setText("5");
  f.Text1.setLocked(true);
  f.Command4.setEnabled(true);
  user.enter("9", "00", "02", &Form1::Option1);
  user.arm();
  user.dialogs.whileOpen([&](const Message&) {
    EXPECT_TRUE(user.splash().visible());
    EXPECT_EQ(f.Text3.text(), "9:00:02 AM");
    return MessageAnswer::Ok;
  });
  user.time.advance(5000);

  EXPECT_EQ(user.dialogs.shown().size(), 2U);
  EXPECT_EQ(f.Text2.text() + f.Text3.text() + f.Text5.text() + f.Text6.text() + f.Text7.text(), "");
  EXPECT_FALSE(f.Option1.value() || f.Option2.value() || f.Command3.enabled());
  EXPECT_TRUE(f.Option1.enabled() && f.Option2.enabled() && f.Text5.enabled() &&
              f.Text6.enabled() && f.Text7.enabled() && f.Command2.enabled());
  // The countdown is not the alarm's to reset.
  EXPECT_TRUE(f.Text1.locked() && f.Command4.enabled());
  EXPECT_EQ(f.Text1.text(), "5");
  user.time.advance(10'000);  // and it does not go off again
  EXPECT_EQ(user.dialogs.shown().size(), 2U);
  EXPECT_TRUE(user.progress.events.empty());  // an alarm has no start to measure from
}

// The clock ticks every 100 ms; wherever in its second the program started, or the clock was
// set, the alarm must not wait for a tick up to 100 ms into its second.
TEST(AlarmTriggerTest, GoesOffAsItsSecondBeginsWhenTheProgramStartedOrTheClockWasSet) {
  for (const int startedAtMs : {1, 37, 99}) {
    AlarmUser user(TimeStyle::TwelveHour, {21, 0, 0, startedAtMs});
    user.enter("9", "0", "5", &Form1::Option2);
    user.arm();
    const std::optional<TimeOfDay> openedAt = runUntilTimeUp(user, 10'000);
    ASSERT_TRUE(openedAt) << startedAtMs;
    EXPECT_EQ(openedAt->second, 5) << startedAtMs;
    EXPECT_EQ(openedAt->millisecond, 0) << startedAtMs;
  }

  AlarmUser user(TimeStyle::TwelveHour, {21, 0, 0, 0});
  user.enter("9", "0", "30", &Form1::Option2);
  user.arm();
  user.time.advance(1000);
  user.time.setClock({21, 0, 20, 63});  // put forward by hand, in the middle of a tenth
  const std::optional<TimeOfDay> openedAt = runUntilTimeUp(user, 15'000);
  ASSERT_TRUE(openedAt);
  EXPECT_EQ(openedAt->second, 30);
  EXPECT_EQ(openedAt->millisecond, 0);
}

TEST(AlarmTriggerTest, OnlyTheExactClockTextFires) {
  AlarmUser user(TimeStyle::TwelveHour, {21, 0, 0, 0});
  Form1& f = user.form1();
  for (const char* nearMiss : {"9:00:02 pm", "9:00:03  PM", "09:00:04 PM", "9:00:05PM"}) {
    f.Text3.setText(nearMiss);
    user.time.advance(1000);
  }
  EXPECT_TRUE(user.dialogs.shown().empty());
}

TEST(AlarmTriggerTest, ATimeAlreadyPastGoesOffTheNextDay) {
  AlarmUser user;
  user.enter("8", "59", "59", &Form1::Option1);
  user.arm();
  user.time.advance(5000);
  EXPECT_EQ(user.dialogs.shown().size(), 1U);  // the auto shutdown question only
  user.time.setClock({8, 59, 58, 0});          // a day later
  EXPECT_TRUE(runUntilTimeUp(user, 2000));
}

TEST(AlarmTriggerTest, WithAutoShutdownOnTheAlarmShutsDownAndNothingElseRuns) {
  AlarmUser user;
  user.enter("9", "00", "02", &Form1::Option1);
  user.arm(MessageAnswer::Yes);
  user.dialogs.clear();
  EXPECT_THROW(user.time.advance(3000), ProcessEnded);
  EXPECT_EQ(user.power.requests(), 1);
  EXPECT_TRUE(user.commands.started().empty());
  EXPECT_TRUE(user.dialogs.shown().empty());
  EXPECT_EQ(user.form1().Text3.text(), "9:00:02 AM");
}

// A countdown and an alarm that end one after the other each run the whole sequence, and
// neither resets the other.
TEST(AlarmTriggerTest, ACountdownAndAnAlarmEndOneAfterTheOtherWithoutResettingEachOther) {
  AlarmUser user;
  Form1& f = user.form1();
  test::type(f.Text1, "1");
  user.dialogs.answer(MessageAnswer::No);
  f.Command1.click();
  user.enter("9", "00", "30", &Form1::Option1);
  user.arm();

  EXPECT_TRUE(runUntilTimeUp(user, 31'000));
  EXPECT_EQ(f.Text3.text(), "");
  EXPECT_TRUE(f.Text8.visible());
  EXPECT_TRUE(f.Text1.locked());

  user.enter("9", "01", "30", &Form1::Option1);
  user.arm();
  user.time.advance(30'000);
  EXPECT_EQ(f.Text1.text(), "0");
  EXPECT_FALSE(f.Text8.visible());
  EXPECT_EQ(f.Text3.text(), "9:01:30 AM");
  EXPECT_TRUE(user.splash().visible());

  EXPECT_TRUE(runUntilTimeUp(user, 31'000));
  const auto notices =
      std::count(user.dialogs.shown().begin(), user.dialogs.shown().end(), kTimeUp);
  EXPECT_EQ(notices, 3);
}

TEST(AlarmTriggerTest, AnAlarmThatGoesOffWhileItsQuestionIsOpenIsStillNamedInTheNotice) {
  AlarmUser user;
  user.enter("9", "00", "01", &Form1::Option1);
  user.dialogs.whileOpen([&](const Message&) {
    user.time.advance(2000);  // the user hesitates; the alarm goes off meanwhile
    return MessageAnswer::Yes;
  });
  user.form1().Command2.click();
  EXPECT_EQ(user.dialogs.last(),
            (Message{"Your Computer shut down automatic on 9:00:01 AM/Komputer anda akan di "
                     "matikan secara otomatis pada pukul 9:00:01 AM",
                     "Information", MessageButtons::Ok}));
  EXPECT_EQ(user.form1().Label11.caption(), "Auto Shutdown Is On");
}

}  // namespace
}  // namespace reminder::test
