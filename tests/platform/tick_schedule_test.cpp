// The arithmetic of the timers' due times: repeating timers keep their rhythm, timers on the
// clock keep to its multiples.
#include "platform/tick_schedule.h"

#include <gtest/gtest.h>

namespace reminder {
namespace {

TEST(TimerScheduleTest, ARepeatingTimerKeepsItsRhythmHoweverLateEachTickIsDelivered) {
  // In microseconds: each tick of a second handled 15.6 ms late, as by the system's timer
  // tick, still leaves the next one due on the rhythm.
  std::int64_t due = 1'000'000;
  for (int tick = 0; tick < 3600; ++tick) due = nextRepeatDue(due, 1'000'000, due + 15'600);
  EXPECT_EQ(due, 3601LL * 1'000'000);
}

TEST(TimerScheduleTest, ARepeatingTimerDropsTicksItMissedEntirely) {
  EXPECT_EQ(nextRepeatDue(1000, 100, 1099), 1100);
  EXPECT_EQ(nextRepeatDue(1000, 100, 1100), 1100);
  EXPECT_EQ(nextRepeatDue(1000, 100, 1350), 1450);
}

TEST(TimerScheduleTest, ATimerOnTheClockWaitsForItsMultipleAndThenAimsAtTheNext) {
  EXPECT_EQ(clockStep(5000, 100, 5000, 5).target, 5100);
  EXPECT_TRUE(clockStep(5000, 100, 5000, 5).deliver);
  EXPECT_EQ(clockStep(5000, 100, 5003, 5).target, 5100);
  // A hair early: the clock would still show the old tenth.
  EXPECT_FALSE(clockStep(5000, 100, 4997, 5).deliver);
  EXPECT_EQ(clockStep(5000, 100, 4997, 5).target, 5000);
}

TEST(TimerScheduleTest, ATimerOnTheClockFollowsAClockSetByHandOrATickDeliveredLate) {
  // Late by more than an interval: the next multiple ahead, no burst of ticks.
  EXPECT_EQ(clockStep(5000, 100, 5250, 5), (ClockStep{true, 5300}));
  // The clock set forward or back: ticked now, then on the clock's new multiples.
  EXPECT_EQ(clockStep(5000, 100, 3'600'042, 5), (ClockStep{true, 3'600'100}));
  EXPECT_EQ(clockStep(3'600'000, 100, 5042, 5), (ClockStep{true, 5100}));
  // Before the epoch too.
  EXPECT_EQ(clockStep(-1000, 100, -1050, 5), (ClockStep{true, -1000}));
}

}  // namespace
}  // namespace reminder
