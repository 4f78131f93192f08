// The real timer service on Qt's event loop: its wakes and its wall clock put a clock timer's
// first tick on the next multiple of its interval, then one tick as each second begins (the
// rules themselves are tested in virtual time, tests/platform/scheduled_timer_test.cpp).
// The bounds are wide on purpose: they catch a tick before its second or far into it, or ten
// ticks a second, not the jitter of a busy machine.
#include "frontend/qt/qt_timer_service.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "frontend/qt/event_loop_suite.h"

namespace reminder {
namespace {

constexpr qint64 kMsPerSecond = 1000;
// Farther into its second than this, a tick is a fault, not a busy moment.
constexpr qint64 kLatestIntoItsSecondMs = 250;
// A stop for a hung test, not a bound the tests check.
constexpr int kGiveUpMs = 15000;

qint64 wallMs() {
  return QDateTime::currentMSecsSinceEpoch();
}

// Runs the event loop until `done` holds or the test gives up; says whether it holds.
bool runUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done()) loop.quit();
  });
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
  if (done()) return true;
  poll.start(5);
  giveUp.start(kGiveUpMs);
  loop.exec();
  return done();
}

class QtTimerServiceTest : public EventLoopSuite<> {
 protected:
  // Checks that every tick after the first came early in its own second, and no two in the
  // same one.
  static void expectOnePerSecondAtItsStart(const std::vector<qint64>& ticks) {
    for (std::size_t i = 1; i < ticks.size(); ++i) {
      EXPECT_LT(ticks[i] % kMsPerSecond, kLatestIntoItsSecondMs) << "tick " << i;
      EXPECT_GT(ticks[i] / kMsPerSecond, ticks[i - 1] / kMsPerSecond) << "tick " << i;
    }
  }

  QtTimerService service;
};

TEST_F(QtTimerServiceTest, AClockTimerTicksAtOnceThenOnceAsEachSecondBegins) {
  std::vector<qint64> ticks;
  const auto timer = service.create([&] { ticks.push_back(wallMs()); });
  const qint64 started = wallMs();
  timer->startOnClock(100);
  ASSERT_TRUE(runUntil([&] { return ticks.size() == 4; }));
  timer->stop();

  // The first at the next tenth, not waiting for the next second: a clock shows the time as
  // its window opens.
  EXPECT_GE(ticks.front(), started);
  EXPECT_LT(ticks.front() - started, 100 + kLatestIntoItsSecondMs);
  expectOnePerSecondAtItsStart(ticks);
  // Four ticks in about four seconds: none left out on a machine that is not stalled.
  EXPECT_LE(ticks.back() / kMsPerSecond - ticks.front() / kMsPerSecond, 5);
}

}  // namespace
}  // namespace reminder
