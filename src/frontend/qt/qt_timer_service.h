#pragma once

#include "platform/timer_service.h"

namespace reminder {

// Precise QTimers on the event loop of the user-interface thread.
class QtTimerService final : public TimerService {
 public:
  [[nodiscard]] std::unique_ptr<PlatformTimer> create(std::function<void()> tick) override;
};

}  // namespace reminder
