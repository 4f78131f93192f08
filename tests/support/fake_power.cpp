#include "support/fake_power.h"

namespace reminder::test {

FakePower::FakePower(TimerService& timers)
    : answerTimer_(timers.create([this] {
        answerTimer_->stop();
        waiters_.decide(scheduled_);
      })) {}

void FakePower::requestPowerOff(VerdictHandler handler) {
  if (!waiters_.add(std::move(handler))) return;
  ++requests_;
  if (!script_) return;
  scheduled_ = script_->verdict;
  answerTimer_->start(script_->afterMs);
}

void FakePower::answer(PowerOffVerdict verdict, int afterMs) {
  script_ = Script{std::move(verdict), afterMs};
}

}  // namespace reminder::test
