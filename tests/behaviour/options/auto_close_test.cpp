// The auto-close picker: confirming, going back, cancelling, and what an expiry closes.
#include <gtest/gtest.h>

#include "behaviour/expiry/expiry_sequence.h"
#include "support/harness.h"

namespace reminder::test {
namespace {

class AutoCloseTest : public ProgramTest {
 protected:
  // Opens the picker from the menu and clicks the given boxes.
  Form3& open(std::initializer_list<CheckBox Form3::*> clicks = {}) {
    app.form1().selproc.click();
    Form3& f = app.form3();
    for (CheckBox Form3::*box : clicks) (f.*box).click();
    return f;
  }
  void expire() {
    expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [] {});
  }
  const std::string& status() { return app.form1().Label17.caption(); }
  void expectCleared() {
    Form3& f = app.form3();
    for (const CheckBox* box : {&f.Check1, &f.Check2, &f.Check3, &f.Check4, &f.Check5}) {
      EXPECT_EQ(box->value(), 0) << box->name();
    }
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(status(), "");
  }
};

TEST_F(AutoCloseTest, EachConfirmationNamesTheTickedPlayersOnceWhileArmed) {
  Form3& f = open({&Form3::Check3, &Form3::Check1, &Form3::Check5});
  EXPECT_FALSE(f.visible());
  EXPECT_EQ(f.Text1.text(), " ,Windows media ,Real Player");
  EXPECT_EQ(status(), "Close  ,Windows media ,Real Player");
  EXPECT_TRUE(app.form1().cancelc.visible());

  open({&Form3::Check5});  // "OK" again unticks: nothing will be closed
  EXPECT_EQ(status(), "");
  open({&Form3::Check5});
  EXPECT_EQ(status(), "Close  ,Windows media ,Real Player");
}

TEST_F(AutoCloseTest, ConfirmingNothingArmsAClosingOfNothing) {
  open({&Form3::Check5});
  EXPECT_EQ(status(), "Close ");
  EXPECT_TRUE(app.form1().cancelc.visible());
  expire();
  EXPECT_TRUE(app.commands.started().empty());
}

TEST_F(AutoCloseTest, BackAndTheFramePutBackTheConfirmedTicksSoTheExpiryClosesWhatTheLineNames) {
  Form3& f = open({&Form3::Check4});  // never confirmed
  f.Command2.click();
  EXPECT_FALSE(f.visible());
  EXPECT_TRUE(app.form1().visible());
  EXPECT_EQ(f.Check4.value(), 0);
  EXPECT_EQ(status(), "");

  open({&Form3::Check1, &Form3::Check2, &Form3::Check5});
  open({&Form3::Check2, &Form3::Check4}).Command2.click();
  EXPECT_EQ(status(), "Close  ,Windows media ,Winamp");
  EXPECT_EQ(f.Check2.value(), 1);
  EXPECT_EQ(f.Check4.value(), 0);
  open({&Form3::Check3}).requestClose();
  EXPECT_FALSE(f.visible());
  EXPECT_EQ(f.Check3.value(), 0);
  EXPECT_EQ(f.Check5.value(), 1);  // still armed as confirmed

  expire();
  EXPECT_EQ(app.commands.lines(),
            (std::vector<std::string>{"taskkill /im wmplayer.exe", "taskkill /im winamp.exe"}));
  expectCleared();
}

TEST_F(AutoCloseTest, CancelInThePickerOrTheMenuClearsEverythingAndKeepsTheMenuItem) {
  app.form1().cancelc.click();  // before any confirmation: nothing shown, item stays hidden
  EXPECT_FALSE(app.form3().visible());
  EXPECT_FALSE(app.form1().cancelc.visible());

  open({&Form3::Check1, &Form3::Check2, &Form3::Check3, &Form3::Check4, &Form3::Check5});
  open().Command1.click();
  EXPECT_FALSE(app.form3().visible());
  expectCleared();
  EXPECT_TRUE(app.form1().cancelc.visible());

  open({&Form3::Check2, &Form3::Check5});
  app.form1().cancelc.click();
  expectCleared();
  EXPECT_TRUE(app.form1().cancelc.visible());
  expire();
  EXPECT_TRUE(app.commands.started().empty());
}

}  // namespace
}  // namespace reminder::test
