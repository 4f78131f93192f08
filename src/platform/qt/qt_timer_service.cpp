#include "platform/qt/qt_timer_service.h"

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

  void start(int intervalMs) override { timer_.start(intervalMs); }
  void stop() override { timer_.stop(); }

 private:
  void deliver() {
    // A handler waiting in a modal box is still running: its next tick waits for it.
    if (running_) return;
    running_ = true;
    tick_();
    running_ = false;
  }

  std::function<void()> tick_;
  QTimer timer_;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<PlatformTimer> QtTimerService::create(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

}  // namespace reminder
