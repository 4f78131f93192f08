// The countdown's end: the minutes field reaching "0", the expiry it runs and the reset.
#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};
const std::vector<std::string> kAllKills{"taskkill /im wmplayer.exe", "taskkill /im winamp.exe",
                                         "taskkill /im realplay.exe", "taskkill /im explorer.exe"};

class CountdownTriggerTest : public ProgramTest {
 protected:
  Form1& form() { return app.form1(); }

  void start(std::string_view minutes, MessageAnswer answer = MessageAnswer::No) {
    form().Text1.userEdit(std::string(minutes));
    app.dialogs.answer(answer);
    form().Command1.click();
  }
  void seconds(double n) { app.time.advance(static_cast<std::int64_t>(n * 1000)); }

  void armAutoRun() { app.form2().Check1.setValue(1); }
  void armAutoClose(std::initializer_list<CheckBox Form3::*> players) {
    for (const auto player : players) (app.form3().*player).setValue(1);
    app.form3().Check5.setValue(1);
    form().Label17.setCaption("Close  ,Windows media ,Winamp ,Real Player ,Explorer");
  }

  [[nodiscard]] bool countdownOnScreen() {
    const Form1& f = form();
    return f.Timer3.enabled() && f.Timer4.enabled() && f.Timer5.enabled() && f.Timer6.enabled() &&
           f.Text8.visible() && f.Text1.locked() && !f.Label15.caption().empty();
  }
  [[nodiscard]] bool countdownIdle() {
    const Form1& f = form();
    return !f.Timer3.enabled() && !f.Timer4.enabled() && !f.Timer5.enabled() &&
           !f.Timer6.enabled() && !f.Text8.visible() && !f.Text1.locked() &&
           f.Label15.caption().empty() && !f.Line6.visible() && !f.Line7.visible() &&
           !f.Line8.visible() && !f.Line9.visible();
  }
};

TEST_F(CountdownTriggerTest, ATypedZeroOnlyDisablesStartWhateverIsArmed) {
  form().Onshut.click();
  armAutoRun();
  armAutoClose({&Form3::Check1, &Form3::Check4});

  form().Text1.type("0");

  EXPECT_FALSE(app.process.ended());
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_TRUE(app.dialogs.shown().empty());
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_FALSE(app.program.windows().frmSplashCreated());
  EXPECT_FALSE(form().Command1.enabled());

  form().Text1.type("5");  // on the way to "05"
  EXPECT_TRUE(form().Command1.enabled());
  form().Text1.userEdit("");
  EXPECT_TRUE(form().Command1.enabled());  // Start itself refuses an empty field
}

TEST_F(CountdownTriggerTest, TheTimeUpBoxHoldsEveryResetBackUntilOk) {
  start("1");
  bool checked = false;
  app.dialogs.whileOpen([&](const Message& box) {
    EXPECT_EQ(box, kTimeUp);
    EXPECT_TRUE(app.splash().visible());
    EXPECT_TRUE(countdownOnScreen());
    // The other timers go on ticking meanwhile; the seconds tick waits in this box.
    seconds(5);
    EXPECT_TRUE(countdownOnScreen());
    EXPECT_EQ(form().Text8.text(), "60");
    EXPECT_EQ(form().Text1.text(), "0");
    checked = true;
    return MessageAnswer::Ok;
  });
  seconds(60);
  ASSERT_TRUE(checked);

  EXPECT_TRUE(countdownIdle());
  EXPECT_EQ(form().Text1.text(), "0");
  EXPECT_EQ(form().Text8.text(), "60");
  EXPECT_FALSE(form().Command1.enabled());
  EXPECT_TRUE(form().Command4.enabled());  // as Start left it
  EXPECT_TRUE(app.splash().visible());
  EXPECT_EQ(form().Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_EQ(app.dialogs.shown().size(), 2U);

  seconds(300);  // nothing ticks on
  EXPECT_EQ(app.dialogs.shown().size(), 2U);
}

TEST_F(CountdownTriggerTest, AFreshCountdownAfterAnExpiryEndsTheSameWayAgain) {
  start("1");
  seconds(60);
  app.splash().Image1.click();
  ASSERT_FALSE(app.splash().visible());

  form().Text1.userEdit("");
  form().Text1.type("2");
  app.dialogs.answer(MessageAnswer::No);
  form().Command1.click();
  seconds(120);

  EXPECT_EQ(app.dialogs.shown().size(), 4U);
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_TRUE(app.splash().visible());
  EXPECT_TRUE(countdownIdle());
}

TEST_F(CountdownTriggerTest, AutoShutdownEndsTheProgramWithNothingElse) {
  armAutoRun();
  armAutoClose({&Form3::Check1, &Form3::Check2, &Form3::Check3, &Form3::Check4});
  start("1", MessageAnswer::Yes);

  EXPECT_THROW(seconds(60), ProcessEnded);

  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"shutdown -s -t 00"});
  EXPECT_EQ(app.commands.started().front().style, WindowStyle::MinimizedWithFocus);
  EXPECT_EQ(app.dialogs.shown().size(), 2U);  // the question and its information box only
  EXPECT_FALSE(app.program.windows().frmSplashCreated());
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_EQ(app.form3().Check5.value(), 1);
  EXPECT_TRUE(countdownOnScreen());
}

TEST_F(CountdownTriggerTest, TheSwitchIsReadAtTheMomentTimeIsUp) {
  start("1", MessageAnswer::No);
  seconds(30);
  form().Onshut.click();
  EXPECT_THROW(seconds(30), ProcessEnded);
  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"shutdown -s -t 00"});
}

TEST_F(CountdownTriggerTest, AMissingShutdownIsReportedAndTheReminderStillComes) {
  app.commands.makeMissing("shutdown -s -t 00");
  armAutoClose({&Form3::Check2});
  start("1", MessageAnswer::Yes);

  seconds(60);

  EXPECT_FALSE(app.process.ended());
  const std::vector<Message>& shown = app.dialogs.shown();
  ASSERT_EQ(shown.size(), 4U);
  EXPECT_EQ(shown[2].prompt,
            "Auto Shutdown failed: the shutdown command could not be started./Matikan otomatis "
            "gagal: perintah shutdown tidak dapat dijalankan.");
  EXPECT_EQ(shown[2].title, "Stop");
  EXPECT_EQ(shown[3], kTimeUp);
  EXPECT_EQ(app.commands.lines(), std::vector<std::string>{"taskkill /im winamp.exe"});
  EXPECT_TRUE(countdownIdle());
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

class OptionsAtExpiry : public CountdownTriggerTest,
                        public ::testing::WithParamInterface<Options> {};

TEST_P(OptionsAtExpiry, StartTheRightCommandsInOrderThenNotify) {
  const Options& options = GetParam();
  if (options.autoRun) armAutoRun();
  for (const auto player : options.players) (app.form3().*player).setValue(1);
  if (options.confirmClose) app.form3().Check5.setValue(1);
  form().Label17.setCaption("status");
  start("1");

  seconds(60);

  EXPECT_EQ(app.commands.lines(), options.kills);
  for (const RecordingStarter::Started& started : app.commands.started()) {
    EXPECT_EQ(started.style, WindowStyle::MinimizedWithFocus);
  }
  EXPECT_EQ(app.form2().Timer1.enabled(), options.autoRun);
  const bool closed = options.confirmClose && !options.players.empty();
  EXPECT_EQ(form().Label17.caption(), closed ? "" : "status");
  EXPECT_EQ(app.dialogs.last(), kTimeUp);
  EXPECT_TRUE(app.splash().visible());
  EXPECT_TRUE(countdownIdle());
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, OptionsAtExpiry,
    ::testing::Values(
        Options{"Nothing", false, false, {}, {}}, Options{"AutoRun", true, false, {}, {}},
        Options{"AllPlayers",
                false,
                true,
                {&Form3::Check1, &Form3::Check2, &Form3::Check3, &Form3::Check4},
                kAllKills},
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
