// The timers on a real message loop: ticks in order, none after a stop, none nested in a
// call still running, and the clock's ticks each in a tenth of a second of their own.
#include <gtest/gtest.h>

#include "platform/win32/precise_time.h"
#include "platform/win32/win32_timer_service.h"
#include "win32/win32_test_support.h"

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

TEST_F(TimerServiceTest, TicksOnTheClockEachFindANewTenthOfASecond) {
  std::vector<std::int64_t> tenths;
  const auto timer = service_.create([&] { tenths.push_back(utcMicroseconds() / 100'000); });
  timer->startOnClock(100);
  pumpMessagesUntil([&] { return tenths.size() == 15; });
  // A tick that came early would find the tenth before its own, and the next tick that tenth
  // again. Late ticks under load may skip a tenth, but never repeat one.
  for (std::size_t i = 1; i < tenths.size(); ++i) EXPECT_GT(tenths[i], tenths[i - 1]) << i;
}

}  // namespace
}  // namespace reminder
