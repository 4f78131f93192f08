#include "app/timer_binding.h"

namespace reminder {

void TimerBinding::bind(Form& form) {
  for (Timer* timer : form.timers()) {
    PlatformTimer& driver = *timers_.emplace_back(service_.create([timer] { timer->fire(); }));
    const auto sync = [timer, &driver] {
      if (!timer->running()) {
        driver.stop();
      } else if (timer->onClock) {
        driver.startOnClock(timer->interval());
      } else {
        driver.start(timer->interval());
      }
    };
    timer->setObserver([sync](Property) { sync(); });
    sync();
  }
}

}  // namespace reminder
