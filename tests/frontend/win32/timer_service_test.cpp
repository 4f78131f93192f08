// The timers woken on a real message loop: ticks until stopped, none after a stop, a restart
// or the timer's end. When a tick is due is the shared scheduler's, tested in virtual time.
#include <gtest/gtest.h>

#include "frontend/win32/win32_headers.h"
#include "frontend/win32/win32_test_support.h"
#include "frontend/win32/win32_timer_service.h"

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

}  // namespace
}  // namespace reminder
