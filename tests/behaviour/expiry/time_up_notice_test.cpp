// The Time Up notice reaches the user: the window first, heard and posted on the desktop
// while the "Time Up" box waits, the desktop's notice taken away with the box; the box and
// any failure report belong to the Time Up window.
#include <gtest/gtest.h>

#include <memory>

#include "behaviour/alarm/alarm_user.h"
#include "behaviour/countdown/countdown_fixture.h"
#include "behaviour/expiry/expiry_sequence.h"

namespace reminder::test {
namespace {

// What was on screen and on the desktop while a message box was open.
struct WhileOpen {
  Message box;
  bool windowShown = false;
  std::vector<std::string> attention;
};

// Records each of the next `count` boxes as it opens, and answers it OK.
std::shared_ptr<std::vector<WhileOpen>> recordBoxes(Harness& app, int count) {
  auto seen = std::make_shared<std::vector<WhileOpen>>();
  for (int i = 0; i < count; ++i) {
    app.dialogs.whileOpen([&app, seen](const Message& box) {
      seen->push_back({box, app.splash().visible(), app.attention.events()});
      return MessageAnswer::Ok;
    });
  }
  return seen;
}

TEST_F(CountdownTest, TheEndOfACountdownIsSeenHeardAndPostedBeforeTheBoxAndWithdrawnAfter) {
  start("1");
  const auto boxes = recordBoxes(app, 1);
  seconds(60);

  ASSERT_EQ(boxes->size(), 1U);
  EXPECT_EQ((*boxes)[0].box, kTimeUp);
  EXPECT_EQ((*boxes)[0].box.owner, &app.splash());
  EXPECT_TRUE((*boxes)[0].windowShown);
  EXPECT_EQ((*boxes)[0].attention,
            (std::vector<std::string>{"sound", "post Time Up: Time Set to 1 Minute"}));
  EXPECT_EQ(app.attention.events(),
            (std::vector<std::string>{"sound", "post Time Up: Time Set to 1 Minute", "withdraw"}));
  EXPECT_TRUE(stopped());  // the resets still come after the box
  EXPECT_EQ(form().Label15.caption(), "");
}

TEST(TimeUpNoticeTest, AnAlarmPostsItsOwnTime) {
  AlarmUser user(TimeStyle::TwelveHour, {21, 0, 0, 0});
  user.enter("9", "00", "03", &Form1::Option2);
  user.arm();
  user.time.advance(5'000);
  EXPECT_EQ(user.attention.events(),
            (std::vector<std::string>{"sound", "post Time Up: 9:00:03 PM", "withdraw"}));
}

void expire(Harness& app, const std::string& whatEnded) {
  expiry::RunExpirySequence(app.context(), whatEnded, [] {});
  app.time.advance(0);  // the turn of the event loop that brings a power-off's verdict
}

TEST_F(ProgramTest, EachNoticeSoundsOnceAndAnAcceptedPowerOffNone) {
  expire(app, "Time Set to 2 Minute");
  expire(app, "9:00:03 PM");  // the window still on screen
  EXPECT_EQ(app.attention.events(),
            (std::vector<std::string>{"sound", "post Time Up: Time Set to 2 Minute", "withdraw",
                                      "sound", "post Time Up: 9:00:03 PM", "withdraw"}));

  app.attention.clear();
  app.form1().Onshut.click();
  EXPECT_THROW(expire(app, "Time Set to 2 Minute"), ProcessEnded);
  EXPECT_TRUE(app.attention.events().empty());
}

TEST_F(ProgramTest, ARefusedPowerOffStillSoundsAndPostsWhatEnded) {
  app.form1().Onshut.click();
  app.power.answer({false, "Interactive authentication required."});
  expire(app, "Time Set to 2 Minute");
  EXPECT_EQ(app.attention.events(),
            (std::vector<std::string>{"sound", "post Time Up: Time Set to 2 Minute", "withdraw"}));
}

TEST_F(ProgramTest, PlayersNotClosedAreReportedOverTheTimeUpWindowAlreadyOnScreen) {
  app.commands.makeMissing("taskkill /im winamp.exe");
  app.form1().selproc.click();
  app.form3().Check2.click();
  app.form3().Check5.click();
  const auto boxes = recordBoxes(app, 2);

  expire(app, "Time Set to 5 Minute");

  ASSERT_EQ(boxes->size(), 2U);
  EXPECT_EQ((*boxes)[0].box.title, "Auto Close Program");
  EXPECT_TRUE((*boxes)[0].windowShown);
  EXPECT_EQ((*boxes)[0].box.owner, &app.splash());  // above the window that stays on top
  EXPECT_EQ((*boxes)[0].attention,
            (std::vector<std::string>{"sound", "post Time Up: Time Set to 5 Minute"}));
  EXPECT_EQ((*boxes)[1].box, kTimeUp);
}

TEST_F(ProgramTest, ATimeUpWindowMinimisedByTheUserComesBackUpAtTheNextNotice) {
  expire(app, "Time Set to 5 Minute");
  app.splash().setWindowState(WindowState::Minimized);
  expire(app, "Time Set to 5 Minute");
  EXPECT_EQ(app.splash().windowState(), WindowState::Normal);
  EXPECT_TRUE(app.splash().visible());
}

TEST_F(ProgramTest, EveryNoticeCallsTheWindowForwardAlsoWhenItIsStillOnScreen) {
  int calls = 0;
  app.splash().setObserver([&](Property property) {
    if (property == Property::Attention) ++calls;
  });
  expire(app, "Time Set to 5 Minute");
  expire(app, "Time Set to 5 Minute");
  EXPECT_EQ(calls, 2);
  app.splash().Image1.click();
  app.splash().callForAttention();  // put away: nothing to bring forward
  EXPECT_EQ(calls, 2);
}

TEST_F(ProgramTest, TheTimeUpWindowReachesTheUserWhateverTheMainWindowDoes) {
  const FrmSplash& splash = app.splash();
  EXPECT_TRUE(splash.ownerless);
  EXPECT_TRUE(splash.topMost);
  EXPECT_FALSE(splash.showInTaskbar);
  EXPECT_EQ(splash.caption, "");
  for (const Form* other : {static_cast<Form*>(&app.form1()), static_cast<Form*>(&app.form2()),
                            static_cast<Form*>(&app.form3())}) {
    EXPECT_FALSE(other->topMost || other->ownerless) << other->name();
  }
}

}  // namespace
}  // namespace reminder::test
