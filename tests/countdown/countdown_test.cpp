// The minute countdown: Start, the once-a-second chain, Cancel and the indicator.
#include "countdown/countdown.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

const Message kQuestion{"Turn on Auto Shutdown ?", "Exit", MessageButtons::YesNo};
const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};
const Message kMinutesRefused{
    "Please insert the minutes as a whole number from 1 to 99999/Masukkan menit berupa bilangan "
    "bulat dari 1 sampai 99999",
    "Countdown", MessageButtons::Ok};

class CountdownTest : public ProgramTest {
 protected:
  Form1& form() { return app.form1(); }

  // Types the minutes and presses Start, answering its question.
  void start(std::string_view minutes, MessageAnswer answer = MessageAnswer::No) {
    form().Text1.type(minutes);
    app.dialogs.answer(answer);
    form().Command1.click();
  }
  void seconds(double n) { app.time.advance(static_cast<std::int64_t>(n * 1000)); }

  [[nodiscard]] bool ticking() {
    const Form1& f = form();
    return f.Timer3.enabled() && f.Timer4.enabled() && f.Timer5.enabled() && f.Timer6.enabled();
  }
  [[nodiscard]] bool anyTimerOn() {
    const Form1& f = form();
    return f.Timer3.enabled() || f.Timer4.enabled() || f.Timer5.enabled() || f.Timer6.enabled();
  }
  [[nodiscard]] std::string arms() {
    std::string shown;
    for (const Line* arm : {&form().Line6, &form().Line7, &form().Line8, &form().Line9}) {
      if (arm->visible()) shown += arm->name() + " ";
    }
    return shown;
  }
};

TEST_F(CountdownTest, StartLocksTheFieldAsksAndStartsTheCounter) {
  start("1");

  EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kQuestion});
  EXPECT_TRUE(form().Text1.locked());
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_TRUE(form().Command4.enabled());
  EXPECT_EQ(form().Label15.caption(), "Time Set to 1 Minute");
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_EQ(form().Text8.text(), "60");
  EXPECT_TRUE(form().Text8.visible());
  EXPECT_TRUE(ticking());
  EXPECT_EQ(arms(), "");
}

TEST_F(CountdownTest, OneMinuteCountsEverySecondAndExpiresAtSixty) {
  start("1");
  for (int second = 1; second <= 59; ++second) {
    seconds(1);
    ASSERT_EQ(form().Text8.text(), std::to_string(60 - second)) << "after " << second << " s";
    ASSERT_EQ(form().Text1.text(), "1");
    ASSERT_FALSE(form().Command1.enabled());
  }
  std::int64_t expiredAt = 0;
  app.dialogs.whileOpen([&](const Message& box) {
    EXPECT_EQ(box, kTimeUp);
    expiredAt = app.time.elapsed();
    EXPECT_EQ(form().Text8.text(), "60");
    EXPECT_EQ(form().Text1.text(), "0");
    return MessageAnswer::Ok;
  });
  seconds(1);
  EXPECT_EQ(expiredAt, 60'000);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
}

TEST_F(CountdownTest, ThreeMinutesStepTheFieldDownOnceAMinute) {
  start("3");
  seconds(59.999);
  EXPECT_EQ(form().Text1.text(), "3");
  seconds(0.001);
  EXPECT_EQ(form().Text1.text(), "2");
  EXPECT_EQ(form().Text8.text(), "60");
  seconds(60);
  EXPECT_EQ(form().Text1.text(), "1");
  EXPECT_EQ(form().Label15.caption(), "Time Set to 3 Minute");
  seconds(59.999);
  EXPECT_EQ(app.dialogs.shown().size(), 1U);  // the question only: not yet time up
  seconds(0.001);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_EQ(app.time.elapsed(), 180'000);
}

TEST_F(CountdownTest, StartStaysDisabledForTheWholeRun) {
  start("3");
  for (int second = 1; second <= 179; ++second) {
    seconds(1);
    form().Command1.click();  // a press at any moment, right after a minute step too
    ASSERT_FALSE(form().Command1.enabled()) << "after " << second << " s";
  }
  EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kQuestion});
  EXPECT_EQ(form().Text8.text(), "1");  // the minute was not restarted
}

TEST_F(CountdownTest, LeadingZerosAndBlanksAreTakenAsTyped) {
  start("05");
  EXPECT_EQ(form().Label15.caption(), "Time Set to 05 Minute");
  seconds(60);
  EXPECT_EQ(form().Text1.text(), "4");
  form().Command4.click();

  start(" 2 ");
  EXPECT_EQ(form().Label15.caption(), "Time Set to  2  Minute");
  seconds(60);
  EXPECT_EQ(form().Text1.text(), "1");
}

TEST_F(CountdownTest, YesTurnsAutoShutdownOnAfterTheInformationBox) {
  app.dialogs.answer(MessageAnswer::Yes);
  app.dialogs.whileOpen([&](const Message&) {
    // The marks are set, the status line follows only after this box, and nothing ticks yet.
    EXPECT_TRUE(form().Onshut.checked());
    EXPECT_FALSE(form().Offshut.checked());
    EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
    EXPECT_FALSE(anyTimerOn());
    return MessageAnswer::Ok;
  });
  form().Text1.type("5");
  form().Command1.click();

  ASSERT_EQ(app.dialogs.shown().size(), 2U);
  EXPECT_EQ(app.dialogs.shown()[1],
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
  EXPECT_FALSE(form().Onshut.checked());
  EXPECT_TRUE(form().Offshut.checked());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
}

TEST_F(CountdownTest, StartRefusesAnythingButAWholeNumberOfMinutesAndChangesNothing) {
  form().Onshut.click();
  for (const char* text : {"", " ", "abc", "2.5", "00", "-3", "+5", "1e3", "100000", "5 5"}) {
    SCOPED_TRACE(text);
    app.dialogs.clear();
    form().Text1.userEdit("7");
    form().Text1.userEdit(text);
    ASSERT_TRUE(form().Command1.enabled());

    form().Command1.click();

    EXPECT_EQ(app.dialogs.shown(), std::vector<Message>{kMinutesRefused});
    EXPECT_EQ(form().Text1.text(), text);
    EXPECT_FALSE(form().Text1.locked());
    EXPECT_TRUE(form().Command1.enabled());
    EXPECT_FALSE(form().Command4.enabled());
    EXPECT_EQ(form().Label15.caption(), "");
    EXPECT_FALSE(form().Text8.visible());
    EXPECT_FALSE(anyTimerOn());
    EXPECT_TRUE(form().Onshut.checked());
  }
}

TEST_F(CountdownTest, StartTakesTheLargestNumberOfMinutes) {
  start("99999");
  EXPECT_EQ(form().Label15.caption(), "Time Set to 99999 Minute");
  seconds(60);
  EXPECT_EQ(form().Text1.text(), "99998");
}

TEST_F(CountdownTest, CancelInTheMiddleOfAMinuteStopsEverything) {
  start("3", MessageAnswer::Yes);
  form().Command3.setEnabled(true);  // as if an alarm were armed
  seconds(90.5);
  ASSERT_EQ(form().Text8.text(), "30");

  form().Command4.click();

  EXPECT_EQ(form().Text1.text(), "");
  EXPECT_FALSE(form().Text1.locked());
  EXPECT_EQ(form().Label15.caption(), "");
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_FALSE(form().Command4.enabled());
  EXPECT_FALSE(form().Command3.enabled());
  EXPECT_FALSE(form().Onshut.checked());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_FALSE(anyTimerOn());
  EXPECT_FALSE(form().Text8.visible());
  EXPECT_EQ(form().Text8.text(), "30");  // kept, hidden, until the next Start
  EXPECT_EQ(arms(), "");

  const std::size_t boxes = app.dialogs.shown().size();
  seconds(600);
  EXPECT_EQ(app.dialogs.shown().size(), boxes);
  EXPECT_TRUE(app.commands.started().empty());

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
  EXPECT_EQ(form().Label15.caption(), "Time Set to 2 Minute");

  seconds(89.999);
  EXPECT_EQ(form().Text1.text(), "1");
  seconds(0.001);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  form().English.click();
  EXPECT_EQ(form().Command1.caption(), "Start");
}

TEST_F(CountdownTest, TheIndicatorShowsOneArmAfterAnotherRightUpLeftDown) {
  start("1");
  seconds(0.5);
  EXPECT_EQ(arms(), "Line6 ");
  seconds(0.5);
  EXPECT_EQ(arms(), "Line7 ");
  seconds(0.5);
  EXPECT_EQ(arms(), "Line8 ");
  seconds(0.5);
  EXPECT_EQ(arms(), "Line9 ");
  seconds(0.5);
  EXPECT_EQ(arms(), "Line6 ");
}

}  // namespace
}  // namespace reminder::test
