// The timers' rules in virtual time, on a front end that only tells the time and wakes the
// timer: a clock timer ticks at once and then as each second begins, even when its wake
// comes a little early; ticks due while one waits in a modal box come as one right after it.
#include "platform/scheduled_timer.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace reminder {
namespace {

constexpr std::int64_t kUsPerMs = 1000;
constexpr std::int64_t kUsPerSecond = 1000 * kUsPerMs;

// An event loop in virtual time. A wait longer than `wakeEarly` ends that much early, as one
// rounded to the system's timer tick may; the wall clock stands `wallAhead` ahead of the
// steady one.
class VirtualLoopTimer final : public ScheduledTimer {
 public:
  VirtualLoopTimer(std::int64_t wallAhead, std::function<void()> tick)
      : ScheduledTimer(std::move(tick)), wallAhead_(wallAhead) {}

  std::int64_t wakeEarly = 0;

  // Runs the loop until the steady clock reads `until`: posted calls first, then wakes.
  void runUntil(std::int64_t until) {
    while (true) {
      if (!posted_.empty()) {
        const std::uint64_t start = posted_.front();
        posted_.pop_front();
        heldBackDue(start);
      } else if (wake_ && wake_->first <= until) {
        const auto [at, start] = *wake_;
        wake_.reset();
        steady_ = std::max(steady_, at);
        woke(start);
      } else {
        steady_ = std::max(steady_, until);
        return;
      }
    }
  }
  [[nodiscard]] std::int64_t wallUs() const override { return steady_ + wallAhead_; }
  [[nodiscard]] std::int64_t steadyUs() const override { return steady_; }

 private:
  void wakeAt(std::int64_t dueUs, std::uint64_t start) override {
    wake_ = {dueUs - steady_ > wakeEarly ? dueUs - wakeEarly : dueUs, start};
  }
  void cancelWake() override { wake_.reset(); }
  void post(std::uint64_t start) override { posted_.push_back(start); }

  std::int64_t steady_ = 0;
  std::int64_t wallAhead_;
  std::optional<std::pair<std::int64_t, std::uint64_t>> wake_;
  std::deque<std::uint64_t> posted_;
};

TEST(ScheduledTimerTest, AClockTimerTicksAtOnceThenOnceAsEachSecondBegins) {
  // Early by a timer tick, a wake finds the old second: it waits for the rest.
  for (const std::int64_t wakeEarly : {std::int64_t{0}, 16 * kUsPerMs}) {
    SCOPED_TRACE(wakeEarly);
    std::vector<std::int64_t> ticks;
    VirtualLoopTimer* self = nullptr;
    VirtualLoopTimer timer(12'345 * kUsPerMs, [&] { ticks.push_back(self->wallUs() / kUsPerMs); });
    self = &timer;
    timer.wakeEarly = wakeEarly;
    timer.startOnClock(100);
    timer.runUntil(3 * kUsPerSecond);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{12'400, 13'000, 14'000, 15'000}));
  }
}

TEST(ScheduledTimerTest, TicksDueWhileOneWaitsInAModalBoxComeAsOneRightAfterIt) {
  std::vector<std::int64_t> ticks;
  int depth = 0;
  int deepest = 0;
  VirtualLoopTimer* self = nullptr;
  VirtualLoopTimer timer(0, [&] {
    deepest = std::max(deepest, ++depth);
    ticks.push_back(self->steadyUs() / kUsPerMs);
    // The box: a loop of its own over ten of the timer's intervals.
    if (ticks.size() == 1) self->runUntil(self->steadyUs() + 200 * kUsPerMs);
    --depth;
  });
  self = &timer;
  timer.start(20);
  timer.runUntil(260 * kUsPerMs);
  EXPECT_EQ(deepest, 1);
  // The held-back one as the box closes, then on the rhythm of the start.
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{20, 220, 240, 260}));
}

TEST(ScheduledTimerTest, AStopOrARestartDropsTheHeldBackTickAndEarlierWakes) {
  int ticks = 0;
  VirtualLoopTimer* self = nullptr;
  VirtualLoopTimer timer(0, [&] {
    if (++ticks > 1) return;
    self->runUntil(self->steadyUs() + 50 * kUsPerMs);
    self->stop();
  });
  self = &timer;
  timer.start(10);
  timer.runUntil(kUsPerSecond);
  EXPECT_EQ(ticks, 1);

  timer.start(10);
  timer.woke(1);  // a wake of the first start, still on its way
  timer.runUntil(kUsPerSecond + 5 * kUsPerMs);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace reminder
