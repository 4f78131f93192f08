// The timers on a real message loop: ticks in order, none after a stop, none nested in a
// call still running, and the clock's first tick at once, the others as each second begins.
#include <gtest/gtest.h>

#include "frontend/win32/win32_test_support.h"
#include "frontend/win32/win32_timer_service.h"
#include "system/windows/precise_time.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace reminder {
namespace {

using test::pumpMessagesUntil;

class TimerServiceTest : public ::testing::Test {
 protected:
  // A second timer that only counts: the yardstick for "meanwhile", instead of a wall clock.
  std::unique_ptr<PlatformTimer> yardstick(int& ticks, int intervalMs = 5) {
    auto timer = service_.create([&ticks] { ++ticks; });
    timer->start(intervalMs);
    return timer;
  }

  Win32TimerService service_;
};

TEST_F(TimerServiceTest, ATimerTicksUntilStoppedEvenFromItsOwnTick) {
  int ticks = 0;
  std::unique_ptr<PlatformTimer> timer;
  timer = service_.create([&] {
    if (++ticks == 3) timer->stop();
  });
  timer->start(5);
  pumpMessagesUntil([&] { return ticks == 3; });
  int meanwhile = 0;
  const auto other = yardstick(meanwhile);
  pumpMessagesUntil([&] { return meanwhile == 10; });
  EXPECT_EQ(ticks, 3);
}

TEST_F(TimerServiceTest, TicksAlreadyDueWhenTheTimerStopsOrRestartsAreDropped) {
  int ticks = 0;
  const auto timer = service_.create([&] { ++ticks; });
  timer->start(1);
  Sleep(30);  // its tick is posted meanwhile and waits in the queue
  timer->stop();
  int meanwhile = 0;
  const auto other = yardstick(meanwhile);
  pumpMessagesUntil([&] { return meanwhile == 5; });
  EXPECT_EQ(ticks, 0);

  timer->start(1);
  Sleep(30);
  timer->start(60'000);
  pumpMessagesUntil([&] { return meanwhile == 10; });
  EXPECT_EQ(ticks, 0);
}

TEST_F(TimerServiceTest, ATickDueWhileItsCallWaitsInAModalLoopComesOnceAfterIt) {
  int ticks = 0;
  int depth = 0;
  int deepest = 0;
  int meanwhile = 0;
  std::unique_ptr<PlatformTimer> other;
  const auto timer = service_.create([&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    if (ticks == 1) {
      // As a message box does: a loop of its own inside the tick, while ten ticks fall due.
      other = yardstick(meanwhile, 5);
      pumpMessagesUntil([&] { return meanwhile == 20; });
      EXPECT_EQ(ticks, 1);
    }
    --depth;
  });
  timer->start(5);
  pumpMessagesUntil([&] { return ticks == 2; });
  EXPECT_EQ(deepest, 1);
}

TEST_F(TimerServiceTest, ATimerGoneBeforeItsTickArrivesIsNotCalled) {
  int ticks = 0;
  auto timer = service_.create([&] { ++ticks; });
  timer->start(1);
  Sleep(30);
  timer.reset();
  int meanwhile = 0;
  const auto other = yardstick(meanwhile);
  pumpMessagesUntil([&] { return meanwhile == 5; });
  EXPECT_EQ(ticks, 0);
}

TEST_F(TimerServiceTest, TicksOnTheClockComeAtOnceThenOnlyAsEachSecondBegins) {
  std::vector<std::int64_t> ticks;
  const auto timer = service_.create([&] { ticks.push_back(utcMicroseconds() / 1000); });
  const std::int64_t started = utcMicroseconds() / 1000;
  timer->startOnClock(100);
  pumpMessagesUntil([&] { return ticks.size() == 4; });
  // The first at the next tenth, so a clock shows the time as its window opens. After it, a
  // tick that came early would find the second before its own, and the next tick that second
  // again; one between seconds would be far into its second (the bounds leave room for a
  // loaded machine). Late ticks may skip a second, but never repeat one.
  EXPECT_LT(ticks[0] - started, 350);
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    EXPECT_LT(ticks[i] % 1000, 250) << i;
    EXPECT_GT(ticks[i] / 1000, ticks[i - 1] / 1000) << i;
  }
}

}  // namespace
}  // namespace reminder
