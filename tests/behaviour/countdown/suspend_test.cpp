// The countdown follows the time that really passed, the computer's sleep included: the
// seconds slept through are counted at the first tick after the resume, in order, through
// the usual handlers.
#include <gtest/gtest.h>

#include "behaviour/countdown/countdown_fixture.h"

namespace reminder::test {
namespace {

class SuspendTest : public CountdownTest {
 protected:
  void SetUp() override {
    CountdownTest::SetUp();
    form().Text1.setObserver([this](Property p) {
      if (p == Property::Text) minutes.push_back(form().Text1.text());
    });
  }
  [[nodiscard]] int timeUps() const {
    return static_cast<int>(
        std::count(app.dialogs.shown().begin(), app.dialogs.shown().end(), kTimeUp));
  }

  std::vector<std::string> minutes;  // every text the minutes field was given, typed or not
};

TEST_F(SuspendTest, ACountdownAcrossASuspendEndsTheSetTimeAfterStart) {
  start("30");
  seconds(5 * 60 + 0.4);
  app.time.suspend(10 * 60'000);  // asleep from 5:00.4 to 15:00.4
  seconds(0.6);                   // the first tick after the resume makes up ten minutes
  EXPECT_EQ(form().Text1.text(), "15");
  EXPECT_EQ(form().Text8.text(), "59");
  seconds(14 * 60 + 58);  // 29:59 after Start, sleep included
  EXPECT_EQ(timeUps(), 0);
  EXPECT_EQ(form().Text1.text(), "1");
  seconds(1);
  EXPECT_EQ(timeUps(), 1);
  EXPECT_EQ(minutes.size(), 31U);  // "30" as typed, then 29 .. 0, one by one
  EXPECT_EQ(minutes.back(), "0");
  EXPECT_TRUE(stopped());
}

TEST_F(SuspendTest, ACountdownWhoseEndFallsInTheSleepEndsRightAfterTheResume) {
  start("5");
  seconds(2 * 60);
  app.time.suspend(10 * 60'000);
  EXPECT_EQ(timeUps(), 0);
  seconds(1);
  EXPECT_EQ(timeUps(), 1);
  EXPECT_EQ(minutes, (std::vector<std::string>{"5", "4", "3", "2", "1", "0"}));
  EXPECT_TRUE(stopped());
  seconds(60);
  EXPECT_EQ(timeUps(), 1);  // the rest of the sleep is not counted into a new minute
}

// Waiting for a power-off's verdict, the countdown stands at "0" while the seconds slept
// after its end are made up.
TEST_F(SuspendTest, AnEndAwaitingAPowerOffAcrossASleepAsksOnceAndCountsNoFurther) {
  start("1", MessageAnswer::Yes);
  app.power.holdAnswers();
  seconds(60);
  app.time.suspend(5 * 60'000);
  seconds(1);
  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(form().Text8.text(), "60");
  EXPECT_EQ(minutes, (std::vector<std::string>{"1", "0"}));
}

TEST_F(SuspendTest, TheIndicatorsTimersDoNotCatchUp) {
  start("30");
  const auto right = countTicks(form().Timer3);
  seconds(0.9);
  app.time.suspend(60'000);
  seconds(0.2);
  EXPECT_EQ(*right, 2);  // its ticks at 0.5 s and at 1 s, none for the minute asleep
  EXPECT_EQ(form().Text1.text(), "29");
}

// The alarm follows the wall clock, which a suspend moves on: an alarm whose second was slept
// through goes off once, late, right after the resume.
TEST_F(SuspendTest, AnAlarmSleptThroughGoesOffOnceRightAfterTheResume) {
  test::type(form().Text5, "9");
  test::type(form().Text6, "05");
  test::type(form().Text7, "00");
  form().Option1.click();
  app.dialogs.answer(MessageAnswer::No);
  form().Command2.click();
  seconds(60);
  app.time.suspend(30 * 60'000);
  seconds(1);
  EXPECT_EQ(timeUps(), 1);
  seconds(3600);
  EXPECT_EQ(timeUps(), 1);
}

}  // namespace
}  // namespace reminder::test
