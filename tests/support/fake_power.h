#pragma once

#include <memory>
#include <optional>

#include "platform/power_off_waiters.h"
#include "platform/timer_service.h"

namespace reminder::test {

// A system that answers power-off requests as scripted, through the timers of virtual time:
// at the next turn of the event loop (the default: accepted), after a while, or only when
// the test decides. Nothing is powered off.
class FakePower final : public Power {
 public:
  explicit FakePower(TimerService& timers);

  void requestPowerOff(VerdictHandler handler) override;
  [[nodiscard]] bool poweringOff() const override { return waiters_.waiting(); }
  [[nodiscard]] PowerOffPermission powerOffPermission() override {
    ++permissionQuestions_;
    return permission;
  }

  // How the requests from now on are answered: with `verdict`, `afterMs` after they came...
  void answer(PowerOffVerdict verdict, int afterMs = 0);
  // ... or not until decide().
  void holdAnswers() { script_.reset(); }
  void decide(const PowerOffVerdict& verdict) { waiters_.decide(verdict); }

  // Requests that reached the system; one joining a request awaited does not.
  [[nodiscard]] int requests() const { return requests_; }
  [[nodiscard]] int permissionQuestions() const { return permissionQuestions_; }

  PowerOffPermission permission = PowerOffPermission::Allowed;

 private:
  struct Script {
    PowerOffVerdict verdict;
    int afterMs = 0;
  };

  std::optional<Script> script_ = Script{{true, {}}, 0};
  PowerOffVerdict scheduled_;
  std::unique_ptr<PlatformTimer> answerTimer_;
  PowerOffWaiters waiters_;
  int requests_ = 0;
  int permissionQuestions_ = 0;
};

}  // namespace reminder::test
