// The countdown's end: the minutes field reaching "0", the expiry it runs and the reset.
#include "behaviour/countdown/countdown_fixture.h"

namespace reminder::test {
namespace {

using CountdownTriggerTest = CountdownTest;

TEST_F(CountdownTriggerTest, ATypedZeroOnlyDisablesStartWhateverIsArmed) {
  form().Onshut.click();
  app.form2().Check1.setValue(1);
  app.form3().Check1.setValue(1);
  app.form3().Check5.setValue(1);

  test::type(form().Text1, "0");

  EXPECT_FALSE(app.process.ended());
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_TRUE(app.dialogs.shown().empty());
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_FALSE(form().Command1.enabled());
  test::type(form().Text1, "5");  // on the way to "05"
  EXPECT_TRUE(form().Command1.enabled());
}

TEST_F(CountdownTriggerTest, TheTimeUpBoxHoldsEveryResetBackUntilOk) {
  start("1");
  bool checked = false;
  app.dialogs.whileOpen([&](const Message& box) {
    EXPECT_EQ(box, kTimeUp);
    EXPECT_TRUE(app.splash().visible());
    seconds(5);  // the other timers tick on; the seconds tick waits in this box
    EXPECT_TRUE(ticking());
    EXPECT_TRUE(form().Text1.locked());
    EXPECT_EQ(form().Label15.caption(), "Time Set to 1 Minute");
    EXPECT_EQ(form().Text8.text(), "60");
    EXPECT_EQ(app.progress.events.back(), "time up");
    checked = true;
    return MessageAnswer::Ok;
  });
  seconds(60);
  ASSERT_TRUE(checked);

  EXPECT_TRUE(stopped());
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(form().Label15.caption(), "");
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_TRUE(form().Command4.enabled());  // as Start left it
  EXPECT_TRUE(app.splash().visible());
  seconds(300);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
}

TEST_F(CountdownTriggerTest, AutoShutdownEndsTheProgramWithNothingElse) {
  app.form2().Check1.setValue(1);
  app.form3().Check4.setValue(1);
  app.form3().Check5.setValue(1);
  start("1", MessageAnswer::Yes);

  EXPECT_THROW(seconds(60), ProcessEnded);

  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_EQ(app.dialogs.shown().size(), 2U);  // the question and its information box
  EXPECT_FALSE(app.built.contains("frmSplash"));
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_TRUE(ticking());
  EXPECT_TRUE(form().Text1.locked());
}

TEST_F(CountdownTriggerTest, TheSwitchIsReadWhenTimeIsUp) {
  start("1", MessageAnswer::No);
  seconds(30);
  form().Onshut.click();
  EXPECT_THROW(seconds(30), ProcessEnded);
  EXPECT_EQ(app.power.requests(), 1);
}

TEST_F(CountdownTriggerTest, ARefusedShutdownIsReportedAndTheReminderStillComes) {
  app.power.answer({false, "Access denied"});
  app.form3().Check2.setValue(1);
  app.form3().Check5.setValue(1);
  start("1", MessageAnswer::Yes);

  seconds(60);

  const std::vector<Message>& shown = app.dialogs.shown();
  ASSERT_EQ(shown.size(), 4U);
  EXPECT_EQ(shown[2].prompt,
            "Auto Shutdown failed: the computer was not shut down (Access denied)./Matikan "
            "otomatis gagal: komputer tidak dimatikan (Access denied).");
  EXPECT_EQ(shown[3], kTimeUp);
  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"taskkill /im winamp.exe"});
  EXPECT_TRUE(stopped());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is On");  // the switch is not touched
}

// Each combination of the options at a countdown's end, auto shutdown off.
struct Options {
  const char* name;
  bool autoRun;
  bool confirmClose;
  std::vector<CheckBox Form3::*> players;
  std::vector<std::string> kills;
};

void PrintTo(const Options& options, std::ostream* out) {
  *out << options.name;
}

class OptionsAtExpiry : public CountdownTest, public ::testing::WithParamInterface<Options> {};

TEST_P(OptionsAtExpiry, StartTheirCommandsInOrderThenNotify) {
  const Options& options = GetParam();
  app.form2().Check1.setValue(options.autoRun ? 1 : 0);
  for (const auto player : options.players) (app.form3().*player).setValue(1);
  app.form3().Check5.setValue(options.confirmClose ? 1 : 0);
  form().Label17.setCaption("status");
  start("1");

  seconds(60);

  EXPECT_EQ(app.commands.lines(), options.kills);
  for (const RecordingStarter::Started& started : app.commands.started()) {
    EXPECT_EQ(started.style, WindowStyle::MinimizedWithFocus);
  }
  EXPECT_EQ(app.form2().Timer1.enabled(), options.autoRun);
  EXPECT_EQ(form().Label17.caption(), options.kills.empty() ? "status" : "");
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_TRUE(stopped());
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, OptionsAtExpiry,
    ::testing::Values(
        Options{"Nothing", false, false, {}, {}}, Options{"AutoRun", true, false, {}, {}},
        Options{"AllPlayers",
                false,
                true,
                {&Form3::Check1, &Form3::Check2, &Form3::Check3, &Form3::Check4},
                {"taskkill /im wmplayer.exe", "taskkill /im winamp.exe",
                 "taskkill /im realplay.exe", "taskkill /im explorer.exe"}},
        Options{"SomePlayers",
                false,
                true,
                {&Form3::Check4, &Form3::Check2},
                {"taskkill /im winamp.exe", "taskkill /im explorer.exe"}},
        Options{"PlayersNotConfirmed", false, false, {&Form3::Check1, &Form3::Check3}, {}},
        Options{"AutoRunAndPlayers", true, true, {&Form3::Check3}, {"taskkill /im realplay.exe"}}),
    [](const ::testing::TestParamInfo<Options>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reminder::test
