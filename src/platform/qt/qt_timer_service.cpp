#include "platform/qt/qt_timer_service.h"

#include <QDateTime>
#include <QTimer>

namespace reminder {

namespace {

class QtTimer final : public PlatformTimer {
 public:
  explicit QtTimer(std::function<void()> tick) : tick_(std::move(tick)) {
    // The countdown's second must not drift: coarse timers may be 5 % late.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { deliver(); });
  }

  void start(int intervalMs) override {
    onClockInterval_ = 0;
    timer_.setSingleShot(false);
    timer_.start(intervalMs);
  }

  void startOnClock(int intervalMs) override {
    onClockInterval_ = intervalMs;
    alignToClock();
  }

  void stop() override { timer_.stop(); }

 private:
  // Ticks this far past a multiple still count as on it; a tick further off (the clock set
  // by hand, a tick held up by a busy machine) aligns the timer again.
  static constexpr qint64 kOnClockToleranceMs = 10;

  [[nodiscard]] qint64 pastMultiple() const {
    return QDateTime::currentMSecsSinceEpoch() % onClockInterval_;
  }

  // One single tick at the next multiple; the wall clock is read in whole milliseconds,
  // rounded down, so it never comes before the multiple.
  void alignToClock() {
    timer_.setSingleShot(true);
    timer_.start(static_cast<int>(onClockInterval_ - pastMultiple()));
  }

  // A repeating timer keeps its phase by itself, so the clock's ten ticks a second need no
  // restart each; it is restarted only when it has strayed.
  void keepOnClock() {
    if (timer_.isSingleShot()) {
      timer_.setSingleShot(false);
      timer_.start(onClockInterval_);
    } else if (pastMultiple() > kOnClockToleranceMs) {
      alignToClock();
    }
  }

  void deliver() {
    // Set before the handler runs, so a handler waiting in a modal box keeps the rhythm.
    if (onClockInterval_ > 0) keepOnClock();
    // A handler waiting in a modal box is still running: its next tick waits for it.
    if (running_) return;
    running_ = true;
    tick_();
    running_ = false;
  }

  std::function<void()> tick_;
  QTimer timer_;
  int onClockInterval_ = 0;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<PlatformTimer> QtTimerService::create(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

}  // namespace reminder
