#include "frontend/qt/qt_timer_service.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "platform/scheduled_timer.h"

namespace reminder {

namespace {

constexpr qint64 kUsPerMs = 1000;

// Wakes the timer with a precise single-shot QTimer: coarse ones may be 5 % late, and the
// countdown's second must not drift.
class QtTimer final : public ScheduledTimer {
 public:
  explicit QtTimer(std::function<void()> tick) : ScheduledTimer(std::move(tick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { woke(armed_); });
    steady_.start();
  }

 private:
  [[nodiscard]] std::int64_t steadyUs() const override { return steady_.nsecsElapsed() / 1000; }
  // In whole milliseconds, rounded down, so a wake never comes before the time it aims at.
  [[nodiscard]] std::int64_t wallUs() const override {
    return QDateTime::currentMSecsSinceEpoch() * kUsPerMs;
  }

  void wakeAt(std::int64_t dueUs, std::uint64_t start) override {
    armed_ = start;
    // Rounded up, so a wake never comes before its time.
    const std::int64_t untilMs =
        (std::max<std::int64_t>(0, dueUs - steadyUs()) + kUsPerMs - 1) / kUsPerMs;
    timer_.start(static_cast<int>(untilMs));
  }
  void cancelWake() override { timer_.stop(); }
  void post(std::uint64_t start) override {
    QMetaObject::invokeMethod(
        &timer_, [this, start] { heldBackDue(start); }, Qt::QueuedConnection);
  }

  QTimer timer_;
  QElapsedTimer steady_;
  std::uint64_t armed_ = 0;
};

}  // namespace

std::unique_ptr<PlatformTimer> QtTimerService::create(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

}  // namespace reminder
