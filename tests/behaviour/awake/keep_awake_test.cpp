// A set reminder keeps the computer from falling asleep on its own until it ends, and one
// that fell due while the computer slept never shuts it down when the user wakes it.
#include <gtest/gtest.h>

#include "behaviour/countdown/countdown_fixture.h"
#include "behaviour/expiry/expiry_sequence.h"

namespace reminder::test {
namespace {

const Message kAsleep{expiry::kAsleepAtExpiry, "Information", MessageButtons::Ok};
const std::string kCountdown = "Time Set to 1 Minute";
const std::string kAlarm = "Alarm at 9:01:00 AM";

// Each reminder, named by its reason, set at 9:00:00 AM to fall due 60 s later.
class KeepAwakeTest : public CountdownTest, public ::testing::WithParamInterface<std::string> {
 protected:
  void set(const std::string& reason, MessageAnswer autoShutdown = MessageAnswer::No) {
    app.dialogs.answer(autoShutdown);
    if (reason == kCountdown) {
      form().Text1.userEdit("1");
      form().Command1.click();
      return;
    }
    test::type(form().Text5, "9");
    test::type(form().Text6, "01");
    test::type(form().Text7, "00");
    form().Option1.click();
    form().Command2.click();
  }
  void cancel(const std::string& reason) {
    (reason == kCountdown ? form().Command4 : form().Command3).click();
  }
  [[nodiscard]] long shown(const Message& m) const {
    return std::count(app.dialogs.shown().begin(), app.dialogs.shown().end(), m);
  }
};

TEST_P(KeepAwakeTest, HeldFromSettingUntilCancelOrExit) {
  set(GetParam());
  seconds(30);
  cancel(GetParam());
  EXPECT_EQ(app.awake.events, (std::vector<std::string>{"hold " + GetParam(), "release"}));
  set(GetParam());
  app.dialogs.answer(MessageAnswer::Yes);
  EXPECT_THROW(form().Exit.click(), ProcessEnded);
  EXPECT_EQ(app.awake.held, "");
}

// Asleep from 0:30 to 2:30, over the due time: reminded, not shut down, nothing held.
TEST_P(KeepAwakeTest, DueWhileAsleepItRemindsWithoutShuttingDown) {
  set(GetParam(), MessageAnswer::Yes);
  app.dialogs.clear();
  seconds(30);
  app.time.suspend(120'000);
  seconds(1);
  EXPECT_EQ(app.power.requests(), 0);
  EXPECT_EQ(app.dialogs.shown().front(), kAsleep);
  EXPECT_EQ(shown(kTimeUp), 1);
  EXPECT_EQ(app.awake.events, (std::vector<std::string>{"hold " + GetParam(), "release"}));
}

// Asleep from 0:10 to 0:40, before the due time: held again after it, let go to power off.
TEST_P(KeepAwakeTest, DueAfterTheResumeItLetsGoThenPowersOff) {
  set(GetParam(), MessageAnswer::Yes);
  app.power.holdAnswers();
  seconds(10);
  app.time.suspend(30'000);
  seconds(15);
  EXPECT_EQ(app.awake.held, GetParam());
  seconds(5);
  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_EQ(app.awake.held, "");
  EXPECT_EQ(shown(kAsleep), 0);
}

INSTANTIATE_TEST_SUITE_P(Reminders, KeepAwakeTest, ::testing::Values(kCountdown, kAlarm),
                         [](const auto& info) {
                           return info.param == kCountdown ? "Countdown" : "Alarm";
                         });

TEST_F(KeepAwakeTest, WithACountdownAndAnAlarmTheHoldLastsWhileEitherIsSet) {
  set(kAlarm);
  set(kCountdown);
  seconds(1);  // the alarm's Cancel is enabled at the clock's next change
  EXPECT_EQ(app.awake.held, kCountdown + ", " + kAlarm);
  cancel(kAlarm);
  EXPECT_EQ(app.awake.held, kCountdown);
  seconds(60);
  EXPECT_EQ(app.awake.held, "");
}

}  // namespace
}  // namespace reminder::test
