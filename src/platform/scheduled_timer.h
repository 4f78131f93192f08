#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/timer_service.h"

namespace reminder {

// A timer whose rules are the same on every front end: a repeating one is due one interval
// after its last due time, not after its delivery; one on the clock waits for the wall
// clock's multiples of its interval; a tick due while the previous call still runs is held
// back. A front end only tells the time and wakes the timer at a time on its event loop.
// All times are in microseconds.
class ScheduledTimer : public PlatformTimer {
 public:
  explicit ScheduledTimer(std::function<void()> tick) : tick_(std::move(tick)) {}

  void start(int intervalMs) final;
  void startOnClock(int intervalMs) final;
  void stop() final;

  // The front end's wake for `start` (the one given to wakeAt) has come.
  void woke(std::uint64_t start);
  // The front end's call for `start` from post() has come.
  void heldBackDue(std::uint64_t start);

 protected:
  // A steady clock that setting the wall clock does not move.
  [[nodiscard]] virtual std::int64_t steadyUs() const = 0;
  // The wall clock: since 1970-01-01 00:00 UTC.
  [[nodiscard]] virtual std::int64_t wallUs() const = 0;
  // Calls woke(start) from the event loop once the steady clock reaches `dueUs`; replaces
  // the wake armed before.
  virtual void wakeAt(std::int64_t dueUs, std::uint64_t start) = 0;
  virtual void cancelWake() = 0;
  // Calls heldBackDue(start) from the event loop, so that it does not nest in this call.
  virtual void post(std::uint64_t start) = 0;

 private:
  void restart(int intervalMs, bool onClock);
  void wakeForTarget(std::int64_t wall);
  void deliver();

  std::function<void()> tick_;
  std::uint64_t start_ = 0;  // counts the starts and stops, to drop a wake of an earlier one
  bool onClock_ = false;
  std::int64_t intervalUs_ = 0;
  std::int64_t dueUs_ = 0;     // repeating: the steady time the wake is armed for
  std::int64_t targetUs_ = 0;  // on the clock: the wall clock's multiple waited for
  bool running_ = false;
  bool heldBack_ = false;
};

}  // namespace reminder
