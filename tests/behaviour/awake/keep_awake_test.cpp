// A set reminder keeps the computer from falling asleep on its own until it ends, and one
// that fell due while the computer slept never shuts it down when the user wakes it.
#include <gtest/gtest.h>

#include "behaviour/countdown/countdown_fixture.h"
#include "behaviour/expiry/expiry_sequence.h"

namespace reminder::test {
namespace {

const Message kAsleep{expiry::kAsleepAtExpiry, "Information", MessageButtons::Ok};

// A countdown or an alarm, each falling due 60 s after it is set at 9:00:00 AM.
struct Reminder {
  const char* name;
  const char* reason;
  void (*set)(Form1&);
  void (*cancel)(Form1&);
};

const Reminder kCountdown{"Countdown", "Time Set to 1 Minute",
                          [](Form1& f) {
                            f.Text1.userEdit("1");
                            f.Command1.click();
                          },
                          [](Form1& f) { f.Command4.click(); }};
const Reminder kAlarm{"Alarm", "Alarm at 9:01:00 AM",
                      [](Form1& f) {
                        f.Text5.type("9");
                        f.Text6.type("01");
                        f.Text7.type("00");
                        f.Option1.click();
                        f.Command2.click();
                      },
                      [](Form1& f) { f.Command3.click(); }};

class KeepAwakeTest : public CountdownTest, public ::testing::WithParamInterface<Reminder> {
 protected:
  void set(MessageAnswer autoShutdown) {
    app.dialogs.answer(autoShutdown);
    GetParam().set(form());
  }
  [[nodiscard]] std::string holding() const { return std::string("hold ") + GetParam().reason; }
  [[nodiscard]] int shown(const Message& message) const {
    return static_cast<int>(
        std::count(app.dialogs.shown().begin(), app.dialogs.shown().end(), message));
  }
};

TEST_P(KeepAwakeTest, HeldFromSettingUntilCancelOrExit) {
  set(MessageAnswer::No);
  EXPECT_EQ(app.awake.events, std::vector<std::string>{holding()});
  seconds(30);
  GetParam().cancel(form());
  EXPECT_EQ(app.awake.events, (std::vector<std::string>{holding(), "release"}));

  set(MessageAnswer::No);
  app.dialogs.answer(MessageAnswer::Yes);
  EXPECT_THROW(form().Exit.click(), ProcessEnded);
  EXPECT_EQ(app.awake.held, "");
}

// Asleep from 0:30 to 2:30 over the due time: reminded without shutting down.
TEST_P(KeepAwakeTest, DueWhileAsleepItRemindsWithoutShuttingDown) {
  set(MessageAnswer::Yes);
  app.dialogs.clear();
  app.dialogs.whileOpen([&](const Message& m) {
    EXPECT_EQ(m, kAsleep);
    EXPECT_EQ(app.awake.held, "") << "held while the reminder waits";
    return MessageAnswer::Ok;
  });
  seconds(30);
  app.time.suspend(120'000);
  seconds(1);
  EXPECT_EQ(app.power.requests(), 0);
  EXPECT_EQ(shown(kAsleep), 1);
  EXPECT_EQ(shown(kTimeUp), 1);
  EXPECT_EQ(app.awake.events, (std::vector<std::string>{holding(), "release"}));
}

// Asleep from 0:10 to 0:40, before the due time: powered off at it, let go first.
TEST_P(KeepAwakeTest, DueAfterTheResumeItLetsGoThenPowersOff) {
  set(MessageAnswer::Yes);
  app.power.holdAnswers();
  seconds(10);
  app.time.suspend(30'000);
  seconds(15);
  EXPECT_EQ(app.power.requests(), 0);
  EXPECT_EQ(app.awake.held, GetParam().reason);
  seconds(5);
  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_EQ(app.awake.held, "");
  EXPECT_EQ(shown(kAsleep), 0);
  EXPECT_THROW(app.power.decide({true, {}}), ProcessEnded);
}

INSTANTIATE_TEST_SUITE_P(Reminders, KeepAwakeTest, ::testing::Values(kCountdown, kAlarm),
                         [](const auto& info) { return std::string(info.param.name); });

// Set together, the computer stays awake while either is, for both while both are.
TEST_F(CountdownTest, WithACountdownAndAnAlarmTheHoldLastsWhileEitherIsSet) {
  app.dialogs.answer(MessageAnswer::No);
  kAlarm.set(form());
  start("1");
  seconds(1);  // the alarm's Cancel is enabled at the clock's next change
  EXPECT_EQ(app.awake.held, "Time Set to 1 Minute, Alarm at 9:01:00 AM");
  kAlarm.cancel(form());
  EXPECT_EQ(app.awake.held, "Time Set to 1 Minute");
  seconds(61);
  EXPECT_EQ(app.awake.held, "");
}

}  // namespace
}  // namespace reminder::test
