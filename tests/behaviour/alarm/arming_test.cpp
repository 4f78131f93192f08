// Arming the alarm with Start, its questions and its check of the entry, and Cancel.
#include "behaviour/alarm/arming.h"

#include <gtest/gtest.h>

#include "behaviour/alarm/alarm_user.h"

namespace reminder::test {
namespace {

const Message kQuestion{"Turn on Auto Shutdown ?", "Exit", MessageButtons::YesNo};
const Message kRefusal{alarm::kInvalidTime, "Alarm", MessageButtons::Ok};

TEST(ArmingTest, StartWithNoArmsTheTargetLocksTheEntryAndTurnsAutoShutdownOff) {
  AlarmUser user;
  Form1& f = user.form1();
  f.Onshut.click();  // left on by an earlier Start: this answer decides for both features
  user.enter("09", "30", "00", &Form1::Option1);
  user.dialogs.whileOpen([&](const Message&) {
    EXPECT_EQ(f.Text3.text(), "9:30:00 AM");
    EXPECT_FALSE(f.Command2.enabled() || f.Text5.enabled() || f.Text6.enabled() ||
                 f.Text7.enabled());
    EXPECT_TRUE(f.Option1.enabled());
    return MessageAnswer::No;
  });
  f.Command2.click();

  EXPECT_EQ(user.dialogs.shown(), std::vector<Message>{kQuestion});
  EXPECT_EQ(f.Text2.text(), "9:30:00");
  EXPECT_EQ(f.Text5.text(), "09");
  EXPECT_FALSE(f.Option1.enabled() || f.Option2.enabled() || f.Onshut.checked());
  EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_FALSE(f.Command3.enabled());
  user.time.advance(1000);
  EXPECT_TRUE(f.Command3.enabled());
  f.Command3.setEnabled(false);  // as the countdown's Cancel does
  user.time.advance(1000);
  EXPECT_TRUE(f.Command3.enabled());
}

TEST(ArmingTest, StartWithYesTellsWhenTheComputerWillShutDownThenShowsTheSwitch) {
  AlarmUser user;
  Form1& f = user.form1();
  user.enter("9", "30", "00", &Form1::Option2);
  user.dialogs.answer(MessageAnswer::Yes);
  user.dialogs.whileOpen([&](const Message&) {
    EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is Off");
    return MessageAnswer::Ok;
  });
  f.Command2.click();

  EXPECT_EQ(user.dialogs.last(),
            (Message{"Your Computer shut down automatic on 9:30:00 PM/Komputer anda akan di "
                     "matikan secara otomatis pada pukul 9:30:00 PM",
                     "Information", MessageButtons::Ok}));
  EXPECT_TRUE(f.Onshut.checked() && !f.Offshut.checked());
  EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is On");
}

// Every entry is armed as the clock writes that time, or refused: an entry no clock text
// can equal would otherwise stay armed and silent for ever.
TEST(ArmingTest, TheTargetIsWrittenAsTheClockWritesItOrTheEntryIsRefused) {
  constexpr auto AM = &Form1::Option1;
  constexpr auto PM = &Form1::Option2;
  struct Case {
    TimeStyle style;
    const char *hour, *minute, *second;
    OptionButton Form1::*choice;
    const char* target;  // null: refused
  };
  const Case cases[] = {
      {TimeStyle::TwelveHour, "7", "5", "0", PM, "7:05:00 PM"},
      {TimeStyle::TwelveHour, "09", "30", "05", PM, "9:30:05 PM"},
      {TimeStyle::TwelveHour, "12", "00", "00", AM, "12:00:00 AM"},
      {TimeStyle::TwelveHour, "0", "15", "00", nullptr, "12:15:00 AM"},
      {TimeStyle::TwelveHour, "21", "00", "00", nullptr, "9:00:00 PM"},
      {TimeStyle::TwelveHour, "9", "30", "00", nullptr, nullptr},
      {TimeStyle::TwelveHour, "13", "00", "00", PM, nullptr},
      {TimeStyle::TwelveHour, "0", "00", "00", AM, nullptr},
      {TimeStyle::TwelveHour, "9", "60", "00", AM, nullptr},
      {TimeStyle::TwelveHour, "9", "30", "x", AM, nullptr},
      {TimeStyle::TwelveHour, "9", "30", ".5", AM, nullptr},
      {TimeStyle::TwentyFourColon, "9", "30", "5", nullptr, "09:30:05"},
      {TimeStyle::TwentyFourColon, "0", "0", "0", nullptr, "00:00:00"},
      {TimeStyle::TwentyFourColon, "24", "00", "00", nullptr, nullptr},
      {TimeStyle::TwentyFourColon, "-1", "00", "00", nullptr, nullptr},
      {TimeStyle::TwentyFourDot, "21", "5", "3", nullptr, "21.05.03"},
      {TimeStyle::DesignatorFirst, "21", "5", "3", nullptr, "PM 9:05:03"},
      {TimeStyle::DesignatorFirst, "9", "5", "3", nullptr, "AM 9:05:03"},
  };
  for (const Case& c : cases) {
    AlarmUser user(c.style);
    Form1& f = user.form1();
    f.Onshut.click();
    user.enter(c.hour, c.minute, c.second, c.choice);
    const std::string entry = std::string(c.hour) + ":" + c.minute + ":" + c.second;
    if (c.target != nullptr) {
      user.arm();
      EXPECT_EQ(f.Text3.text(), c.target) << entry;
      continue;
    }
    f.Command2.click();
    EXPECT_EQ(user.dialogs.shown(), std::vector<Message>{kRefusal}) << entry;
    EXPECT_EQ(f.Text3.text() + f.Text2.text(), "") << entry;
    EXPECT_TRUE(f.Command2.enabled() && f.Text5.enabled() && f.Text7.enabled() &&
                f.Option1.enabled() && f.Onshut.checked())
        << entry;
    EXPECT_EQ(f.Text7.text(), c.second);
  }
}

TEST(ArmingTest, CancelDisarmsKeepsTheEntryForRearmingAndTurnsAutoShutdownOff) {
  AlarmUser user;
  Form1& f = user.form1();
  user.enter("9", "30", "00", &Form1::Option2);
  user.arm(MessageAnswer::Yes);
  user.time.advance(1000);
  f.Command3.click();

  EXPECT_EQ(f.Text3.text() + f.Text2.text(), "");
  EXPECT_EQ(f.Text5.text() + f.Text6.text() + f.Text7.text() + f.Text4.text(), "93000 PM");
  EXPECT_TRUE(f.Option2.value() && f.Option1.enabled() && f.Text5.enabled() &&
              f.Command2.enabled());
  EXPECT_EQ(f.Label11.caption(), "Auto Shutdown Is Off");
  EXPECT_TRUE(f.Command3.enabled());  // until the clock next changes
  user.time.advance(1000);
  EXPECT_FALSE(f.Command3.enabled());

  user.arm();
  EXPECT_EQ(f.Text3.text(), "9:30:00 PM");
}

}  // namespace
}  // namespace reminder::test
