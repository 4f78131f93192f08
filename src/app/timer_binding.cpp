#include "app/timer_binding.h"

namespace reminder {

void TimerBinding::bind(Form& form) {
  for (Timer* timer : form.timers()) {
    PlatformTimer& driver = *timers_.emplace_back(service_.create([timer] { timer->fire(); }));
    const auto sync = [timer, &driver] {
      if (timer->running()) {
        driver.start(timer->interval());
      } else {
        driver.stop();
      }
    };
    timer->setObserver([sync](Property) { sync(); });
    sync();
  }
}

}  // namespace reminder
