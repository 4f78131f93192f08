// The auto-run picker: browsing, the path box, arming, and the start one second after expiry.
#include <gtest/gtest.h>

#include "behaviour/expiry/expiry_sequence.h"
#include "support/harness.h"

namespace reminder::test {
namespace {

using Lines = std::vector<std::string>;

class AutoRunTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    app.files.addDrive("/");
    app.files.addDrive("/media/card");
    app.files.makeUnreadable("/media/card");  // an empty card reader
    app.files.addFolder("/", "/home");
    app.files.addFolder("/home", "/home/me");
    app.files.addProgram("/", "setup");
    app.files.addProgram("/home/me", "tool");
  }

  // Opens the picker from the menu, picks /home/me/tool and clicks "OK".
  void arm() {
    app.form1().Selprog.click();
    app.form2().Dir1.setPath("/home/me");
    app.form2().File1.select("tool");
    app.form2().Check1.click();
  }
  void expire() {
    expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [] {});
  }
  const std::string& status() { return app.form1().Label12.caption(); }
  bool cancelShown() { return app.form1().cancel.visible(); }
};

TEST_F(AutoRunTest, TheListsFollowTheDriveAndFolderAndAPickIsFolderSeparatorName) {
  Form2& f = app.form2();
  EXPECT_EQ(f.Drive1.drives(), (Lines{"/", "/media/card"}));
  EXPECT_EQ(f.Dir1.subfolders(), (Lines{"/home"}));
  f.File1.select("setup");
  EXPECT_EQ(f.Text1.text(), "/setup");

  f.Dir1.setPath("/home/me");
  EXPECT_EQ(f.Dir1.openFolders(), (Lines{"/", "/home", "/home/me"}));
  EXPECT_EQ(f.File1.files(), (Lines{"tool"}));
  EXPECT_EQ(f.Text1.text(), "/setup");  // opening a folder leaves the path box alone
  f.File1.select("tool");
  EXPECT_EQ(f.Text1.text(), "/home/me/tool");

  f.Drive1.setDrive("/media/card");  // unreadable: only the drive list moves, silently
  EXPECT_EQ(f.Dir1.path(), "/home/me");
  EXPECT_EQ(f.File1.files(), (Lines{"tool"}));
  EXPECT_TRUE(app.dialogs.shown().empty());

  app.files.addDrive("/media/stick");  // plugged in later: there when the picker opens
  app.form1().Selprog.click();
  EXPECT_EQ(f.Drive1.drives(), (Lines{"/", "/media/card", "/media/stick"}));
}

TEST(AutoRunDrivePaths, ADriveRootGetsOneBackslashAndTheRepairRebuildsDoubledOnes) {
  Harness app;
  app.files.useBackslash();
  app.files.addDrive("C:\\");
  app.files.addFolder("C:\\", "C:\\Games");
  app.files.addProgram("C:\\", "setup.exe");
  app.files.addProgram("C:\\Games", "game.exe");
  app.program.start();
  Form2& f = app.form2();
  f.File1.select("setup.exe");
  EXPECT_EQ(f.Text1.text(), "C:\\setup.exe");

  f.Text1.setText("");
  test::type(f.Text1, "C:\\");  // too short to hold two backslashes from the third character
  EXPECT_EQ(f.Text1.text(), "C:\\");
  test::type(f.Text1, "\\");
  EXPECT_EQ(f.Text1.text(), "C:\\setup.exe");
  f.Text1.userEdit("\\\\server\\share\\x.exe");
  EXPECT_EQ(f.Text1.text(), "\\\\server\\share\\x.exe");

  f.Dir1.setPath("C:\\Games");
  f.File1.select("game.exe");
  EXPECT_EQ(f.Text1.text(), "C:\\Games\\game.exe");
  f.Text1.userEdit("C:\\\\");  // below the root the rebuilt path keeps its separator too
  EXPECT_EQ(f.Text1.text(), "C:\\Games\\game.exe");
}

TEST_F(AutoRunTest, OkArmsAndTheStatusLineNamesThePathOnlyWhileArmed) {
  app.form1().Selprog.click();
  app.form2().Check1.click();  // an empty path box is accepted as it is
  EXPECT_EQ(status(), "Run ");
  EXPECT_FALSE(app.form2().visible());

  arm();  // reopened while armed: "OK" unticks
  EXPECT_EQ(app.form2().Check1.value(), 0);
  EXPECT_EQ(status(), "");
  EXPECT_TRUE(cancelShown());

  arm();
  EXPECT_EQ(status(), "Run /home/me/tool");
  app.form1().Selprog.click();  // the earlier folder and tick are still there
  EXPECT_EQ(app.form2().Dir1.path(), "/home/me");
  app.form2().Text1.userEdit("\"/opt/my tool\" --name \"two words\" ; touch x $(id)");
  EXPECT_EQ(status(), "Run \"/opt/my tool\" --name \"two words\" ; touch x $(id)");
  app.form2().requestClose();  // the frame puts the picker away and keeps the choice
  EXPECT_FALSE(app.form2().visible());
  expire();
  app.time.advance(1000);
  EXPECT_EQ(app.commands.lines(), (Lines{"\"/opt/my tool\" --name \"two words\" ; touch x $(id)"}));
}

TEST_F(AutoRunTest, CancelInThePickerAndInTheMenuWithdrawTheChoice) {
  app.form1().Selprog.click();
  app.form2().Command1.click();  // nothing was armed: the menu item stays hidden
  EXPECT_FALSE(cancelShown());

  arm();
  app.form1().Selprog.click();
  app.form2().Command1.click();
  EXPECT_EQ(app.form2().Check1.value(), 0);
  EXPECT_EQ(app.form2().Text1.text(), "/home/me/tool");
  EXPECT_EQ(status(), "");
  EXPECT_TRUE(cancelShown());
  EXPECT_FALSE(app.form2().visible());

  arm();
  app.form1().cancel.click();
  EXPECT_EQ(app.form2().Check1.value(), 0);
  EXPECT_EQ(status(), "");
  EXPECT_FALSE(cancelShown());
  expire();
  app.time.advance(5000);
  EXPECT_TRUE(app.commands.started().empty());
}

TEST_F(AutoRunTest, TheProgramStartsOnceOneSecondAfterTheExpiry) {
  arm();
  app.dialogs.whileOpen([&](const Message&) {  // the Time Up box waits for the user
    app.time.advance(999);
    EXPECT_TRUE(app.commands.started().empty());
    app.form1().Selprog.click();
    app.time.advance(1);
    return MessageAnswer::Ok;
  });
  expire();
  ASSERT_EQ(app.commands.lines(), (Lines{"/home/me/tool"}));
  EXPECT_EQ(app.commands.started().front().style, WindowStyle::NormalWithFocus);
  EXPECT_EQ(app.form2().Check1.value(), 0);
  EXPECT_FALSE(app.form2().visible());
  EXPECT_EQ(status(), "");
  EXPECT_TRUE(cancelShown());

  expire();  // the choice was used up
  app.time.advance(5000);
  EXPECT_EQ(app.commands.started().size(), 1U);
}

TEST_F(AutoRunTest, WithdrawingInTheSecondBeforeTheStartStillStartsIt) {
  const std::vector<std::pair<std::function<void()>, bool>> withdrawals{
      {[&] { app.form1().cancel.click(); }, false},
      {[&] { app.form1().Selprog.click(), app.form2().Command1.click(); }, true},
      {[&] { app.form1().Selprog.click(), app.form2().Check1.click(); }, true},
  };
  for (const auto& [withdraw, cancelShownAfter] : withdrawals) {
    arm();
    expire();
    withdraw();
    app.time.advance(1000);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(cancelShown(), cancelShownAfter);
  }
  EXPECT_EQ(app.commands.started().size(), 3U);
}

TEST_F(AutoRunTest, AProgramThatCannotStartIsReportedAfterTheChoiceIsUsedUp) {
  arm();
  app.commands.makeMissing("/home/me/tool");
  expire();
  app.dialogs.clear();
  app.dialogs.whileOpen([&](const Message&) {
    EXPECT_EQ(app.form2().Check1.value(), 0);
    EXPECT_FALSE(app.form2().Timer1.enabled());
    return MessageAnswer::Ok;
  });
  app.time.advance(5000);
  ASSERT_EQ(app.dialogs.shown().size(), 1U);
  EXPECT_EQ(app.dialogs.last(),
            (Message{"Could not start the program: /home/me/tool/Program tidak dapat dijalankan: "
                     "/home/me/tool\nNo such file or directory",
                     "Auto Run Program", MessageButtons::Ok}));
}

}  // namespace
}  // namespace reminder::test
