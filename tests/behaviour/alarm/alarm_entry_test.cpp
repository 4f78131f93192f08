// The alarm entry: the Start button while typing, the AM/PM choice under each clock format,
// and the composed time.
#include <gtest/gtest.h>

#include "behaviour/alarm/alarm_user.h"

namespace reminder::test {
namespace {

TEST(AlarmEntryTest, StartIsUsableOnlyWithNumbersForHourAndMinuteAndSomeSecond) {
  struct Case {
    const char *hour, *minute, *second;
    bool startEnabled;
  };
  for (const Case& c :
       {Case{"", "30", "00", false}, Case{"ab", "30", "15", false}, Case{"10", "", "15", false},
        Case{"10", "30", "15", true}, Case{"10", "30", "", false}, Case{"10", "30", "x", true}}) {
    AlarmUser user;
    user.enter(c.hour, c.minute, c.second);
    Form1& f = user.form1();
    EXPECT_EQ(f.Command2.enabled(), c.startEnabled) << c.hour << ':' << c.minute << ':' << c.second;
    EXPECT_TRUE(f.Option1.enabled() && f.Option2.enabled());
  }
}

TEST(AlarmEntryTest, AmAndPmSetTheSuffixAndExcludeEachOther) {
  AlarmUser user;
  Form1& f = user.form1();
  user.enter("9", "30", "00", &Form1::Option2);
  EXPECT_EQ(f.Text4.text(), " PM");
  f.Option1.click();
  EXPECT_EQ(f.Text4.text(), " AM");
  EXPECT_FALSE(f.Option2.value());
  user.time.advance(3000);  // a 12-hour clock keeps the choice
  EXPECT_TRUE(f.Option1.value() && f.Option1.visible() && f.Option2.visible());
}

TEST(AlarmEntryTest, ClocksWithoutATrailingDesignatorHideAndClearTheChoiceOnEveryChange) {
  for (const TimeStyle style :
       {TimeStyle::TwentyFourColon, TimeStyle::TwentyFourDot, TimeStyle::DesignatorFirst}) {
    AlarmUser user;
    Form1& f = user.form1();
    user.enter("9", "30", "00", &Form1::Option2);
    user.regional.setStyle(style);
    user.time.advance(1000);
    EXPECT_FALSE(f.Option1.visible() || f.Option2.visible());
    EXPECT_FALSE(f.Option1.value() || f.Option2.value());
    EXPECT_EQ(f.Text4.text(), "");
    f.Text4.setText(" PM");
    user.time.advance(1000);
    EXPECT_EQ(f.Text4.text(), "");

    user.regional.setStyle(TimeStyle::TwelveHour);
    user.time.advance(1000);
    EXPECT_TRUE(f.Option1.visible() && f.Option2.visible());
    EXPECT_FALSE(f.Option1.value() || f.Option2.value());
  }
}

TEST(AlarmEntryTest, TheComposedTimeLosesTheHoursLeadingZerosOnlyAndAlwaysFreesStart) {
  AlarmUser user;
  Form1& f = user.form1();
  f.Text2.setText("09:05:07");
  EXPECT_EQ(f.Text2.text(), "9:05:07");
  f.Text2.setText("00:05:07");
  EXPECT_EQ(f.Text2.text(), ":05:07");
  f.Text2.setText("012:34:567");
  EXPECT_EQ(f.Text2.text(), "12:34:5");  // cut to seven characters
  f.Command2.setEnabled(false);
  f.Text2.setText("");
  EXPECT_TRUE(f.Command2.enabled());
}

}  // namespace
}  // namespace reminder::test
