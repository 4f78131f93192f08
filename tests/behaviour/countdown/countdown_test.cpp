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

TEST_F(CountdownTest, MinutesAreShownAsTypedAndLoweredAsNumbers) {
  for (const auto& [typed, label, after, progress] :
       {std::tuple{"05", "Time Set to 05 Minute", "4", "60/300"},
        std::tuple{" 2 ", "Time Set to  2  Minute", "1", "60/120"},
        std::tuple{"99999", "Time Set to 99999 Minute", "99998", "60/5999940"}}) {
    start(typed);
    EXPECT_EQ(form().Label15.caption(), label);
    seconds(60);
    EXPECT_EQ(form().Text1.text(), after);
    EXPECT_EQ(app.progress.events.back(), progress);
    form().Command4.click();
  }
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
  form().Text1.type("5");
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

TEST_F(CountdownTest, StartRefusesAnythingButAWholeNumberOfMinutesAndChangesNothing) {
  const Message refused{
      "Please insert the minutes as a whole number from 1 to 99999/Masukkan menit berupa "
      "bilangan bulat dari 1 sampai 99999",
      "Countdown", MessageButtons::Ok};
  form().Onshut.click();
  for (const char* text : {"", " ", "abc", "2.5", "00", "-3", "+5", "1e3", "100000", "5 5"}) {
    SCOPED_TRACE(text);
    app.dialogs.clear();
    form().Text1.userEdit("7");
    form().Text1.userEdit(text);

    form().Command1.click();

    EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{refused});
    EXPECT_EQ(form().Text1.text(), text);
    EXPECT_TRUE(form().Command1.enabled());
    EXPECT_FALSE(form().Command4.enabled());
    EXPECT_EQ(form().Label15.caption(), "");
    EXPECT_TRUE(stopped());
    EXPECT_TRUE(form().Onshut.checked());
  }
}

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
