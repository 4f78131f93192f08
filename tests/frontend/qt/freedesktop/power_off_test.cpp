// Powering off without logind: system commands tried in order, watched without blocking,
// only an exit status of 0 taken for a yes. Stand-ins take the place of systemctl and
// shutdown, and no system bus can be reached.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>

#include "frontend/qt/event_loop_suite.h"
#include "frontend/qt/freedesktop/session_manager_power.h"
#include "frontend/qt/qt_process_watcher.h"
#include "frontend/qt/stand_in_commands.h"
#include "platform/command_power.h"

namespace reminder {
namespace {

// Commands that end as the test says, when it says.
class ScriptedWatcher final : public ProcessWatcher {
 public:
  void run(const std::string& commandLine, EndHandler handler) override {
    started.push_back(commandLine);
    running.push_back(std::move(handler));
  }
  void end(const ProcessEnd& how) {
    const EndHandler handler = std::move(running.front());
    running.pop_front();
    handler(how);
  }

  std::vector<std::string> started;
  std::deque<EndHandler> running;
};

TEST(CommandPower, TheFirstCommandThatExitsWithZeroIsAYesAndNoneAfterItRuns) {
  ScriptedWatcher watcher;
  CommandPower power(watcher, {"first", "second", "third"});
  std::vector<PowerOffVerdict> verdicts;
  power.requestPowerOff([&](const PowerOffVerdict& v) { verdicts.push_back(v); });
  power.requestPowerOff([&](const PowerOffVerdict& v) { verdicts.push_back(v); });
  EXPECT_EQ(watcher.started, std::vector<std::string>{"first"});  // one request, joined
  watcher.end({false, -1, "No such file or directory"});
  EXPECT_TRUE(verdicts.empty());
  watcher.end({true, 0, {}});
  EXPECT_EQ(watcher.started, (std::vector<std::string>{"first", "second"}));
  ASSERT_EQ(verdicts.size(), 2U);
  EXPECT_TRUE(verdicts[0].accepted && verdicts[1].accepted);
}

TEST(CommandPower, WhenEveryCommandFailsTheRefusalSaysWhatEachDid) {
  ScriptedWatcher watcher;
  CommandPower power(watcher, {"systemctl poweroff", "shutdown -h now"});
  std::optional<PowerOffVerdict> verdict;
  power.requestPowerOff([&](const PowerOffVerdict& v) { verdict = v; });
  watcher.end({true, 1, "Access denied"});
  watcher.end({true, -1, "crashed"});
  ASSERT_TRUE(verdict);
  EXPECT_FALSE(verdict->accepted);
  EXPECT_EQ(verdict->reason,
            "systemctl poweroff ended with status 1: Access denied; shutdown -h now did not end "
            "normally: crashed");
  // Asked again after the verdict, the system is asked again.
  power.requestPowerOff([](const PowerOffVerdict&) {});
  EXPECT_EQ(watcher.started.size(), 3U);
}

// The real watcher and the program's power-off on Qt's event loop, with no session bus (so no
// desktop's session manager) and no system bus to be found.
class NoLogindTest : public EventLoopSuite<StandInCommandsTest> {
 protected:
  static void SetUpTestSuite() {
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
    EventLoopSuite::SetUpTestSuite();
  }

  // The verdict of one request; the event loop runs until it has come.
  PowerOffVerdict powerOff(int boundMs = kProcessAnswerBoundMs) {
    QtProcessWatcher watcher(boundMs);
    SessionManagerPower power(watcher, QStringLiteral("kavelto-time-reminder"));
    std::optional<PowerOffVerdict> verdict;
    bool insideTheCall = true;
    QEventLoop loop;
    power.requestPowerOff([&](const PowerOffVerdict& v) {
      EXPECT_FALSE(insideTheCall);
      verdict = v;
      loop.quit();
    });
    insideTheCall = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(20'000);
    if (!verdict) loop.exec();
    EXPECT_TRUE(verdict) << "no verdict";
    return verdict.value_or(PowerOffVerdict{});
  }
};

TEST_F(NoLogindTest, SystemctlPoweroffThatExitsWithZeroIsAYes) {
  standIn("systemctl");
  standIn("shutdown");
  EXPECT_TRUE(powerOff().accepted);
  EXPECT_EQ(recorded(1), "systemctl poweroff\n");
}

TEST_F(NoLogindTest, ARefusingSystemctlLeadsToShutdownHaltNow) {
  standIn("systemctl", 1, "Failed to power off system via logind: Access denied");
  standIn("shutdown");
  EXPECT_TRUE(powerOff().accepted);
  EXPECT_EQ(recorded(2), "systemctl poweroff\nshutdown -h now\n");
}

TEST_F(NoLogindTest, RefusedByBothOrMissingItIsARefusalWithTheReasons) {
  standIn("systemctl", 1, "Failed to power off system via logind: Access denied");
  const PowerOffVerdict verdict = powerOff();
  EXPECT_FALSE(verdict.accepted);
  EXPECT_EQ(verdict.reason.rfind("systemctl poweroff ended with status 1: Failed to power off "
                                 "system via logind: Access denied; shutdown -h now: ",
                                 0),
            0U)
      << verdict.reason;
}

TEST_F(NoLogindTest, ACommandWithNoAnswerWithinTheBoundIsARefusalToo) {
  standIn("systemctl", 0, {}, true);
  standIn("shutdown", 0, {}, true);
  const PowerOffVerdict verdict = powerOff(1000);
  EXPECT_FALSE(verdict.accepted);
  EXPECT_EQ(verdict.reason,
            "no answer from systemctl within 1 s; no answer from shutdown within 1 s");
}

TEST_F(NoLogindTest, WithoutABusNothingIsKnownBeforehand) {
  QtProcessWatcher watcher;
  EXPECT_EQ(SessionManagerPower(watcher, {}).powerOffPermission(), PowerOffPermission::Unknown);
}

}  // namespace
}  // namespace reminder
