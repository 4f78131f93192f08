// Switching the main window's captions between English and Indonesian.
#include <gtest/gtest.h>

#include "support/harness.h"

namespace reminder::test {
namespace {

using LanguageTest = ProgramTest;

std::vector<std::string> captions(Form1& f) {
  return {f.Label3.caption(),   f.Label1.caption(),   f.Label2.caption(), f.Command1.caption(),
          f.Label6.caption(),   f.Command2.caption(), f.Label7.caption(), f.Label4.caption(),
          f.Command4.caption(), f.Command3.caption()};
}

const std::vector<std::string> kEnglish{"Countdown", "Insert Minute:", "Minute",       "Start",
                                        "Now:",      "Start",          "Insert Time:", "Alarm",
                                        "Cancel",    "Cancel"};
const std::vector<std::string> kIndonesian{
    "Penghitung Mundur", "Masukan Menit:", "Menit", "Mulai", "Waktu Sekarang:", "Mulai",
    "Masukan Waktu:",    "Alarm",          "Batal", "Batal"};

TEST_F(LanguageTest, EnglishRightAfterStartMovesTheThreeColonsOnly) {
  Form1& f = app.form1();
  EXPECT_EQ(f.Label1.caption(), "Insert Minute :");
  EXPECT_EQ(f.Label6.caption(), "Now :");
  EXPECT_EQ(f.Label7.caption(), "Insert Time :");
  f.English.click();
  EXPECT_EQ(captions(f), kEnglish);
  EXPECT_TRUE(f.English.checked());
  EXPECT_FALSE(f.Indonesian.checked());
}

TEST_F(LanguageTest, IndonesianThenEnglishAndRepeatedChoicesAreStable) {
  Form1& f = app.form1();
  f.Indonesian.click();
  f.Indonesian.click();
  EXPECT_EQ(captions(f), kIndonesian);
  EXPECT_TRUE(f.Indonesian.checked());
  EXPECT_FALSE(f.English.checked());
  f.English.click();
  EXPECT_EQ(captions(f), kEnglish);
}

TEST_F(LanguageTest, TheSwitchTouchesOnlyCaptionsAndMarks) {
  Form1& f = app.form1();
  f.Indonesian.click();
  EXPECT_FALSE(f.Command1.enabled());
  EXPECT_FALSE(f.Command3.enabled());
  EXPECT_EQ(f.Label8.caption(), "H/HH:MM:SS");
  EXPECT_EQ(f.Label9.caption(), "(ex: 1:30:05 or 15:05:08)");
  EXPECT_EQ(f.Option1.caption(), "AM");
  EXPECT_EQ(f.Frame1.caption, "Status");
  EXPECT_EQ(f.Exit.caption(), "Exit");
  EXPECT_EQ(f.caption, "KAVELTO Time Reminder");
  EXPECT_TRUE(app.dialogs.shown().empty());
}

}  // namespace
}  // namespace reminder::test
