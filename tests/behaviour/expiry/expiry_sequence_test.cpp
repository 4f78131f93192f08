// The one expiry sequence that the countdown and the alarm both run.
#include "behaviour/expiry/expiry_sequence.h"

#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

class ExpirySequenceTest : public ProgramTest {
 protected:
  // Runs the sequence and the turn of the event loop that brings a power-off's verdict.
  void expire() {
    expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [this] { ++afterwards; });
    app.time.advance(0);
  }

  int afterwards = 0;
};

TEST_F(ExpirySequenceTest, AutoShutdownStartsTheShutdownAndEndsWithNothingElse) {
  app.form1().Onshut.click();
  app.form2().Check1.setValue(1);
  app.form3().Check1.setValue(1);
  app.form3().Check5.setValue(1);

  EXPECT_THROW(expire(), ProcessEnded);

  EXPECT_EQ(app.power.requests(), 1);
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_EQ(afterwards, 0);
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_FALSE(app.built.contains("frmSplash"));
  EXPECT_TRUE(app.dialogs.shown().empty());
}

TEST_F(ExpirySequenceTest, ARefusedPowerOffIsReportedWithItsReasonThenTheReminderComes) {
  app.form1().Onshut.click();
  app.power.answer({false, "Interactive authentication required."});

  expire();

  EXPECT_FALSE(app.process.ended());
  ASSERT_EQ(app.dialogs.shown().size(), 2U);
  EXPECT_EQ(app.dialogs.shown()[0],
            (Message{"Auto Shutdown failed: the computer was not shut down (Interactive "
                     "authentication required)./Matikan otomatis gagal: komputer tidak dimatikan "
                     "(Interactive authentication required).",
                     "Auto Shutdown", MessageButtons::Ok}));
  EXPECT_EQ(app.dialogs.shown()[1], (Message{"Time Up", "Stop", MessageButtons::Ok}));
  EXPECT_TRUE(app.splash().visible());
  EXPECT_EQ(afterwards, 1);
}

TEST_F(ExpirySequenceTest, NothingArmedShowsOnlyTheNotice) {
  bool splashShownWhileBoxOpen = false;
  app.dialogs.whileOpen([&](const Message&) {
    splashShownWhileBoxOpen = app.splash().visible();
    return MessageAnswer::Ok;
  });
  expire();
  EXPECT_TRUE(splashShownWhileBoxOpen);
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_FALSE(app.form2().Timer1.enabled());
  EXPECT_TRUE(app.splash().visible());  // until its OK picture is clicked
}

TEST_F(ExpirySequenceTest, ArmedAutoRunOnlySwitchesTheStartTimerOn) {
  app.form2().Check1.setValue(1);
  expire();
  EXPECT_TRUE(app.form2().Timer1.enabled());
  EXPECT_TRUE(app.commands.started().empty());
}

TEST_F(ExpirySequenceTest, ArmedAutoCloseKillsTheTickedPlayersInOrderOnce) {
  Form3& picker = app.form3();
  for (CheckBox* box :
       {&picker.Check1, &picker.Check2, &picker.Check3, &picker.Check4, &picker.Check5}) {
    box->setValue(1);
  }
  app.form1().Label17.setCaption("Close  ,Windows media ,Winamp ,Real Player ,Explorer");

  expire();

  EXPECT_EQ(app.commands.lines(),
            (std::vector<std::string>{"taskkill /im wmplayer.exe", "taskkill /im winamp.exe",
                                      "taskkill /im realplay.exe", "taskkill /im explorer.exe"}));
  EXPECT_EQ(app.form1().Label17.caption(), "");
  for (const CheckBox* box :
       {&picker.Check1, &picker.Check2, &picker.Check3, &picker.Check4, &picker.Check5}) {
    EXPECT_EQ(box->value(), 0) << box->name();
  }

  expire();  // the choice was used up
  EXPECT_EQ(app.commands.started().size(), 4U);
}

TEST_F(ExpirySequenceTest, PlayersTickedButNotConfirmedAreLeftAlone) {
  app.form3().Check2.setValue(1);
  app.form1().Label17.setCaption("unchanged");
  expire();
  EXPECT_TRUE(app.commands.started().empty());
  EXPECT_EQ(app.form1().Label17.caption(), "unchanged");
  EXPECT_EQ(app.form3().Check2.value(), 1);
}

TEST_F(ExpirySequenceTest, TheTimeUpWindowGoesOnlyByItsPictureOrFrameAndComesBackNextTime) {
  expire();
  FrmSplash& splash = app.splash();
  splash.Image1.click();
  EXPECT_FALSE(splash.visible());

  expire();
  EXPECT_TRUE(splash.visible());
  expire();  // already on screen: it stays, the same window
  EXPECT_TRUE(splash.visible());
  splash.requestClose();
  EXPECT_FALSE(splash.visible());
  expire();
  EXPECT_TRUE(splash.visible());
  EXPECT_EQ(splash.Label1.caption(), "TIME UP");
}

TEST_F(ExpirySequenceTest, TheNoticeStaysEnglishAfterSwitchingToIndonesian) {
  app.form1().Indonesian.click();
  expire();
  EXPECT_EQ(app.dialogs.last(), (Message{"Time Up", "Stop", MessageButtons::Ok}));
}

}  // namespace
}  // namespace reminder::test
