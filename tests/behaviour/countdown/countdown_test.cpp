// The minute countdown: Start, the once-a-second chain, Cancel and the indicator.
#include "behaviour/countdown/countdown_fixture.h"

namespace reminder::test {
namespace {

const Message kQuestion{"Turn on Auto Shutdown ?", "Exit", MessageButtons::YesNo};

TEST_F(CountdownTest, OneMinuteCountsEverySecondAndEndsAtSixty) {
  start("1");
  EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kQuestion});
  EXPECT_TRUE(form().Text1.locked());
  EXPECT_TRUE(form().Command4.enabled());
  EXPECT_EQ(form().Label15.caption(), "Time Set to 1 Minute");
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_TRUE(ticking());

  for (int second = 0; second < 60; ++second) {
    ASSERT_EQ(form().Text8.text(), std::to_string(60 - second)) << "after " << second << " s";
    ASSERT_EQ(form().Text1.text(), "1");
    ASSERT_EQ(app.progress.events.back(), std::to_string(second) + "/60");  // on the task bar
    seconds(1);
  }
  EXPECT_EQ(app.progress.events.size(), 63U);  // once a second, then the box's two
  EXPECT_EQ(std::vector(app.progress.events.end() - 3, app.progress.events.end()),
            (std::vector<std::string>{"60/60", "time up", "clear"}));
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(form().Text8.text(), "60");
}

TEST_F(CountdownTest, ThreeMinutesStepDownOnceAMinuteWithStartDisabledThroughout) {
  start("3");
  for (int second = 1; second < 180; ++second) {
    seconds(1);
    form().Command1.click();  // at any moment, right after a minute step too
    ASSERT_FALSE(form().Command1.enabled()) << "after " << second << " s";
    ASSERT_EQ(form().Text1.text(), std::to_string(3 - second / 60)) << "after " << second << " s";
  }
  EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kQuestion});  // never asked again
  EXPECT_EQ(form().Label15.caption(), "Time Set to 3 Minute");
  seconds(0.999);
  EXPECT_EQ(app.dialogs.shown().size(), 1U);
  seconds(0.001);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
}

TEST_F(CountdownTest, YesTurnsAutoShutdownOnAfterTheInformationBox) {
  app.dialogs.answer(MessageAnswer::Yes);
  app.dialogs.whileOpen([&](const Message&) {
    // The marks are set already; the status line and the timers wait for this box.
    EXPECT_TRUE(form().Onshut.checked());
    EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
    EXPECT_FALSE(form().Timer4.enabled());
    return MessageAnswer::Ok;
  });
  test::type(form().Text1, "5");
  form().Command1.click();

  EXPECT_EQ(app.dialogs.last(),
            (Message{"Your Computer shut down automatic after 5 Minute(s) passed/Komputer anda "
                     "akan di matikan secara otomatis setelah 5 Menit berlalu",
                     "Information", MessageButtons::Ok}));
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is On");
  EXPECT_TRUE(ticking());
}

TEST_F(CountdownTest, NoTurnsAutoShutdownOffWithoutAnotherBox) {
  form().Onshut.click();
  start("5", MessageAnswer::No);
  EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kQuestion});
  EXPECT_TRUE(form().Offshut.checked());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
}

// Every spelling of a whole number of minutes runs as that number and is shown as typed;
// anything else is refused and changes nothing.
struct Minutes {
  const char* typed;
  char decimal;
  const char* afterAMinute;  // null: refused
  const char* progress;      // on the task bar after a minute
};

class MinutesTest : public ::testing::TestWithParam<Minutes> {
 protected:
  FakeRegional regional{TimeStyle::TwelveHour, GetParam().decimal};
  Harness app{regional, {9, 0, 0, 0}};
};

TEST_P(MinutesTest, StartRunsAWholeNumberAsTypedAndRefusesAnythingElse) {
  const auto [typed, decimal, afterAMinute, progress] = GetParam();
  Form1& form = app.form1();
  app.program.start();
  form.Onshut.click();
  form.Text1.userEdit("7");
  form.Text1.userEdit(typed);
  app.dialogs.clear();
  app.dialogs.answer(MessageAnswer::Yes);

  form.Command1.click();

  if (afterAMinute == nullptr) {
    EXPECT_EQ(app.dialogs.shown(),
              (std::vector<Message>{{"Please insert the minutes as a whole number from 1 to "
                                     "99999/Masukkan menit berupa bilangan bulat dari 1 "
                                     "sampai 99999",
                                     "Countdown"}}));
    EXPECT_EQ(form.Text1.text(), typed);
    EXPECT_TRUE(form.Command1.enabled() && form.Onshut.checked());
    EXPECT_FALSE(form.Command4.enabled() || form.Text1.locked() || form.Text8.visible());
    EXPECT_EQ(form.Label15.caption(), "");
    return;
  }
  EXPECT_EQ(form.Label15.caption(), std::string("Time Set to ") + typed + " Minute");
  EXPECT_NE(app.dialogs.last().prompt.find(std::string(" after ") + typed + " Minute(s)"),
            std::string::npos);
  app.time.advance(60'000);
  EXPECT_EQ(form.Text1.text(), afterAMinute);
  EXPECT_EQ(app.progress.events.back(), progress);
}

INSTANTIATE_TEST_SUITE_P(
    EverySpelling, MinutesTest,
    ::testing::Values(Minutes{"05", '.', "4", "60/300"}, Minutes{" 2 ", '.', "1", "60/120"},
                      Minutes{"+2", '.', "1", "60/120"}, Minutes{"2.0", '.', "1", "60/120"},
                      Minutes{"2,0", ',', "1", "60/120"}, Minutes{"1e3", '.', "999", "60/60000"},
                      Minutes{"99999", '.', "99998", "60/5999940"}, Minutes{"", '.'},
                      Minutes{" ", '.'}, Minutes{"abc", '.'}, Minutes{"2.5", '.'},
                      Minutes{"2,5", ','}, Minutes{"2.0", ','}, Minutes{"00", '.'},
                      Minutes{"-3", '.'}, Minutes{"100000", '.'}, Minutes{"1e-3", '.'},
                      Minutes{"inf", '.'}, Minutes{"5 5", '.'}));

TEST_F(CountdownTest, CancelInTheMiddleOfAMinuteStopsEverything) {
  start("3", MessageAnswer::Yes);
  form().Command3.setEnabled(true);  // as if an alarm were armed
  seconds(90.5);

  form().Command4.click();

  EXPECT_EQ(form().Text1.text(), "");
  EXPECT_EQ(form().Label15.caption(), "");
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_FALSE(form().Command4.enabled());
  EXPECT_FALSE(form().Command3.enabled());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_TRUE(stopped());
  EXPECT_EQ(form().Text8.text(), "30");  // kept, hidden, until the next Start
  EXPECT_EQ(app.progress.events.back(), "clear");

  seconds(600);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
  start("2");
  EXPECT_EQ(form().Text8.text(), "60");
}

TEST_F(CountdownTest, SwitchingLanguageMidRunRelabelsTheButtonsOnly) {
  start("2");
  seconds(30);
  form().Indonesian.click();
  EXPECT_EQ(form().Command1.caption(), "Mulai");
  EXPECT_EQ(form().Command4.caption(), "Batal");
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_TRUE(form().Command4.enabled());
  EXPECT_EQ(form().Text8.text(), "30");

  seconds(90);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_EQ(app.time.elapsed(), 120'000);
}

TEST_F(CountdownTest, TheIndicatorShowsOneArmAfterAnotherRightUpLeftDown) {
  start("1");
  for (const Line* arm : {&form().Line6, &form().Line7, &form().Line8, &form().Line9}) {
    seconds(0.5);
    for (const Line* other : {&form().Line6, &form().Line7, &form().Line8, &form().Line9}) {
      EXPECT_EQ(other->visible(), other == arm) << other->name() << " at " << app.time.elapsed();
    }
  }
}

}  // namespace
}  // namespace reminder::test
