#include "frontend/qt/qt_timer_service.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace reminder {

namespace {

constexpr qint64 kMsPerSecond = 1000;
// A timer may wake this much before its moment (its own clock and the wall clock drift
// apart); such a tick waits for the rest instead of showing the old second once more.
constexpr qint64 kEarlyWakeMs = 50;

class QtTimer final : public PlatformTimer {
 public:
  explicit QtTimer(std::function<void()> tick) : tick_(std::move(tick)) {
    // The countdown's second must not drift: coarse timers may be 5 % late.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { due(); });
  }

  void start(int intervalMs) override {
    restart();
    onClockPeriod_ = 0;
    timer_.setSingleShot(false);
    timer_.start(intervalMs);
  }

  // The first tick comes at the interval's next multiple, so a clock shows the time at once;
  // after it only the multiples that begin a second: every second for 100 ms.
  void startOnClock(int intervalMs) override {
    restart();
    const qint64 interval = std::max(1, intervalMs);
    onClockPeriod_ = std::lcm(interval, kMsPerSecond);
    timer_.setSingleShot(true);
    timer_.start(static_cast<int>(untilNextMultipleOf(interval)));
  }

  void stop() override {
    restart();
    timer_.stop();
  }

 private:
  [[nodiscard]] static qint64 untilNextMultipleOf(qint64 period) {
    return period - QDateTime::currentMSecsSinceEpoch() % period;
  }
  [[nodiscard]] qint64 untilNextMultiple() const { return untilNextMultipleOf(onClockPeriod_); }

  // Read from the wall clock afresh each time, so a clock set by hand is followed from the
  // next tick on. The clock is read in whole milliseconds, rounded down, so the tick never
  // comes before the multiple.
  void waitForNextMultiple() { timer_.start(static_cast<int>(untilNextMultiple())); }

  // A stop or a restart drops the tick held back.
  void restart() {
    ++start_;
    heldBack_ = false;
  }

  void due() {
    if (onClockPeriod_ > 0) {
      const bool early = untilNextMultiple() <= kEarlyWakeMs;
      // Set before the handler runs, so a handler waiting in a modal box keeps the rhythm.
      waitForNextMultiple();
      if (early) return;
    }
    deliver();
  }

  void deliver() {
    if (running_) {
      heldBack_ = true;
      return;
    }
    running_ = true;
    tick_();
    running_ = false;
    if (!heldBack_) return;
    heldBack_ = false;
    // Through the event loop, so that it does not nest in the call that held it back.
    QMetaObject::invokeMethod(
        &timer_,
        [this, start = start_] {
          if (start == start_) deliver();
        },
        Qt::QueuedConnection);
  }

  std::function<void()> tick_;
  QTimer timer_;
  qint64 onClockPeriod_ = 0;  // after the first tick; 0: not on the clock
  bool running_ = false;
  bool heldBack_ = false;
  quint64 start_ = 0;  // counts the starts and stops, to drop a held-back tick of an earlier one
};

}  // namespace

std::unique_ptr<PlatformTimer> QtTimerService::create(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

}  // namespace reminder
