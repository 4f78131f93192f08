#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/monotonic_clock.h"
#include "platform/timer_service.h"

namespace reminder::test {

// Timers and a clock in virtual time: advancing fires the due timers in due order (ties in
// the order they were started), each at its due moment, while the clock moves with them.
// A tick held back while its previous one runs comes right after it, as every platform's
// does (see timer_service.h). A timer started
// on the clock ticks on the clock's multiples of its interval, found afresh at each tick.
// A suspend moves the clock and the monotonic clock on while the timers and the time awake
// stand still, as the event loop's timers do on Linux.
class VirtualTime final : public TimerService, public Clock, public MonotonicClock {
 public:
  explicit VirtualTime(TimeOfDay start = {9, 0, 0, 0});
  ~VirtualTime() override;

  [[nodiscard]] std::unique_ptr<PlatformTimer> create(std::function<void()> tick) override;
  [[nodiscard]] TimeOfDay now() const override;
  [[nodiscard]] std::int64_t nowMs() const override { return now_ + slept_; }
  [[nodiscard]] std::int64_t awakeMs() const override { return now_; }

  // Lets `ms` milliseconds pass, firing every tick that falls due meanwhile.
  void advance(std::int64_t ms);
  // Milliseconds since the start.
  [[nodiscard]] std::int64_t elapsed() const { return now_; }
  // The computer sleeps for `ms` milliseconds: the clocks go on, no timer fires, and each
  // timer's next tick comes as long after the resume as it was due after the suspend.
  void suspend(std::int64_t ms);
  // Sets the wall clock as a user or a daylight-saving change would; timers keep their pace.
  void setClock(TimeOfDay time);
  // From now on every tick arrives `ms` late, as on a machine too busy to deliver it.
  void setTickLatency(std::int64_t ms) { latency_ = ms; }
  // From now to the clock's next multiple of `interval` ms (a whole interval when on one).
  [[nodiscard]] std::int64_t untilClockMultiple(std::int64_t interval) const;

  struct Entry;

 private:
  Entry* nextDue(std::int64_t until) const;
  [[nodiscard]] std::int64_t clockMs() const;

  std::int64_t now_ = 0;
  std::int64_t clockOffset_;
  std::int64_t latency_ = 0;
  std::int64_t slept_ = 0;
  std::uint64_t startSequence_ = 0;
  std::vector<std::shared_ptr<Entry>> entries_;
};

}  // namespace reminder::test
