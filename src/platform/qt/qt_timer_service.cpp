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
    timer_.setSingleShot(true);
    timer_.start(untilNextMultiple());
  }

  void stop() override { timer_.stop(); }

 private:
  // At least 1 ms: a tick that lands on a multiple finds the next one. The wall clock is
  // read in whole milliseconds, rounded down, so the tick never comes before its multiple.
  [[nodiscard]] int untilNextMultiple() const {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return static_cast<int>(onClockInterval_ - now % onClockInterval_);
  }

  void deliver() {
    // Set before the handler runs, so a handler waiting in a modal box keeps the rhythm.
    if (onClockInterval_ > 0) timer_.start(untilNextMultiple());
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
