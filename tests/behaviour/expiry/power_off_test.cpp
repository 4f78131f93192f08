// An expiry with auto shutdown on asks the system to power off and waits for its verdict
// without blocking: the window lives on meanwhile, a refusal reminds the user, and nothing
// of the sequence runs twice.
#include <gtest/gtest.h>

#include "behaviour/app/shell.h"
#include "behaviour/countdown/countdown_fixture.h"
#include "behaviour/expiry/shutdown_step.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder::test {
namespace {

const PowerOffVerdict kRefused{false, "Access denied"};

class PowerOffTest : public CountdownTest {
 protected:
  // A one-minute countdown with auto shutdown, the auto-run program and one player armed.
  void startArmed() {
    app.form2().Check1.setValue(1);
    app.form3().Check2.setValue(1);
    app.form3().Check5.setValue(1);
    start("1", MessageAnswer::Yes);
    app.dialogs.clear();
  }

  void armAlarm(const char* second) {
    test::type(form().Text5, "9");
    test::type(form().Text6, "00");
    test::type(form().Text7, second);
    form().Option1.click();
    app.dialogs.answer(MessageAnswer::Yes);
    form().Command2.click();
  }

  [[nodiscard]] std::vector<std::string> prompts() const {
    std::vector<std::string> all;
    for (const Message& m : app.dialogs.shown()) all.push_back(m.prompt);
    return all;
  }
};

TEST_F(PowerOffTest, RefusedTheUserIsToldWhyThenRemindedInTheUsualOrderThenTheCountdownResets) {
  startArmed();
  app.power.answer(kRefused);
  std::vector<std::string> seen;
  app.dialogs.whileOpen([&](const Message& m) {
    seen.push_back(m.prompt + (app.built.contains("frmSplash") ? " +window" : "") +
                   (app.form2().Timer1.enabled() ? " +autorun" : "") +
                   (app.commands.started().empty() ? "" : " +closed"));
    EXPECT_TRUE(ticking()) << "reset before " << m.prompt;
    return MessageAnswer::Ok;
  });
  app.dialogs.whileOpen([&](const Message& m) {
    seen.push_back(m.prompt + (app.splash().visible() ? " +window" : "") +
                   (app.form2().Timer1.enabled() ? " +autorun" : "") +
                   (app.commands.started().empty() ? "" : " +closed"));
    EXPECT_TRUE(ticking()) << "reset before " << m.prompt;
    return MessageAnswer::Ok;
  });

  seconds(60);

  EXPECT_EQ(seen, (std::vector<std::string>{expiry::shutdownFailedPrompt("Access denied"),
                                            "Time Up +window +autorun +closed"}));
  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"taskkill /im winamp.exe"});
  EXPECT_TRUE(stopped());
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(app.power.requests(), 1);
  seconds(120);  // the countdown does not run on, nor is anything asked again
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
  EXPECT_EQ(app.power.requests(), 1);
}

// The answer takes 5 s: the clock and the indicator go on, the countdown stands at "0", and
// the verdict then does everything once.
TEST_F(PowerOffTest, WhileTheAnswerIsAwaitedTheWindowLivesAndNothingRunsTwice) {
  startArmed();
  app.power.answer(kRefused, 5000);
  seconds(60);
  EXPECT_TRUE(app.power.poweringOff());
  EXPECT_TRUE(app.dialogs.shown().empty());

  const std::string clockBefore = form().Label5.caption();
  const auto arms = countTicks(form().Timer3);
  seconds(4.5);
  EXPECT_NE(form().Label5.caption(), clockBefore);
  EXPECT_EQ(*arms, 9);
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(form().Text8.text(), "60");
  EXPECT_TRUE(ticking());
  EXPECT_TRUE(app.commands.started().empty());

  seconds(0.5);
  EXPECT_FALSE(app.power.poweringOff());
  EXPECT_EQ(prompts(),
            (std::vector<std::string>{expiry::shutdownFailedPrompt("Access denied"), "Time Up"}));
  EXPECT_TRUE(stopped());
  seconds(5);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
  EXPECT_EQ(app.commands.started().size(), 2U);  // the player closed, the program started
}

TEST_F(PowerOffTest, AcceptedLateTheProgramEndsThenWithNothingElseRun) {
  startArmed();
  app.power.answer({true, {}}, 5000);
  seconds(64);
  EXPECT_FALSE(app.process.ended());
  EXPECT_THROW(seconds(1), ProcessEnded);
  EXPECT_TRUE(app.dialogs.shown().empty());
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_FALSE(app.built.contains("frmSplash"));
}

// Exit still asks; the session's end, closing every window, ends the program at once.
TEST_F(PowerOffTest, WhileTheAnswerIsAwaitedExitAsksAndClosingTheWindowEndsTheProgram) {
  start("1", MessageAnswer::Yes);
  app.power.holdAnswers();
  seconds(60);
  ASSERT_TRUE(app.power.poweringOff());
  app.dialogs.clear();
  app.dialogs.answer(MessageAnswer::No);
  form().Exit.click();
  EXPECT_EQ(prompts(), std::vector<std::string>{shell::kExitQuestion});
  EXPECT_THROW(form().requestClose(), ProcessEnded);
  EXPECT_EQ(app.dialogs.shown().size(), 1U);
}

// An alarm going off while the countdown's power-off is awaited joins that request; refused,
// each expiry reminds the user and resets its own feature.
TEST_F(PowerOffTest, ASecondExpiryWhileAwaitedSendsNoSecondRequest) {
  app.time.setClock({8, 59, 0, 0});
  start("1", MessageAnswer::Yes);
  armAlarm("02");
  app.power.holdAnswers();
  app.dialogs.clear();
  seconds(63);
  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_EQ(form().Text3.text(), "9:00:02 AM");  // not reset yet

  app.power.decide(kRefused);

  const std::string failed = expiry::shutdownFailedPrompt("Access denied");
  EXPECT_EQ(prompts(), (std::vector<std::string>{failed, "Time Up", failed, "Time Up"}));
  EXPECT_TRUE(stopped());
  EXPECT_EQ(form().Text3.text(), "");
  EXPECT_TRUE(form().Command2.enabled());
  EXPECT_EQ(app.power.requests(), 1);
}

// Cancelled and started anew while the answer was awaited: the verdict leaves the new
// countdown running.
TEST_F(PowerOffTest, TheVerdictResetsOnlyTheCountdownThatEnded) {
  start("1", MessageAnswer::Yes);
  app.power.holdAnswers();
  seconds(60);
  form().Command4.click();
  start("3", MessageAnswer::No);
  seconds(2);

  app.power.decide(kRefused);

  EXPECT_TRUE(ticking());
  EXPECT_EQ(form().Label15.caption(), "Time Set to 3 Minute");
  seconds(178);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_TRUE(stopped());
}

// Told when auto shutdown is turned on, not when the time is up, for every answer that
// means it will not work; the switch is set all the same.
class PowerOffWarningTest : public PowerOffTest,
                            public ::testing::WithParamInterface<PowerOffPermission> {
 protected:
  [[nodiscard]] bool warns() const {
    return GetParam() != PowerOffPermission::Allowed && GetParam() != PowerOffPermission::Unknown;
  }
  [[nodiscard]] std::vector<Message> expected(std::vector<Message> before) const {
    if (warns()) {
      before.push_back({autoshutdown::kCannotPowerOffWarning, "Auto Shutdown", MessageButtons::Ok});
    }
    return before;
  }
};

TEST_P(PowerOffWarningTest, AtTheMenusOn) {
  app.power.permission = GetParam();
  form().Onshut.click();
  EXPECT_EQ(app.dialogs.shown(), expected({}));
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is On");
}

TEST_P(PowerOffWarningTest, AtTheCountdownsStartAfterItsInformation) {
  app.power.permission = GetParam();
  start("5", MessageAnswer::Yes);
  EXPECT_EQ(app.dialogs.shown(),
            expected({{"Turn on Auto Shutdown ?", "Exit", MessageButtons::YesNo},
                      {"Your Computer shut down automatic after 5 Minute(s) passed/Komputer anda "
                       "akan di matikan secara otomatis setelah 5 Menit berlalu",
                       "Information", MessageButtons::Ok}}));
  EXPECT_TRUE(form().Onshut.checked());
  EXPECT_TRUE(ticking());
}

TEST_P(PowerOffWarningTest, AtTheAlarmsStart) {
  app.power.permission = GetParam();
  armAlarm("30");
  EXPECT_EQ(app.dialogs.shown().size(), warns() ? 3U : 2U);
  EXPECT_TRUE(form().Onshut.checked());
}

TEST_P(PowerOffWarningTest, NotWhenTurnedOff) {
  app.power.permission = GetParam();
  start("5", MessageAnswer::No);
  form().Offshut.click();
  EXPECT_EQ(app.power.permissionQuestions(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryAnswer, PowerOffWarningTest,
                         ::testing::Values(PowerOffPermission::Allowed,
                                           PowerOffPermission::NeedsAuthentication,
                                           PowerOffPermission::Refused,
                                           PowerOffPermission::NotAvailable,
                                           PowerOffPermission::Unknown));

}  // namespace
}  // namespace reminder::test
