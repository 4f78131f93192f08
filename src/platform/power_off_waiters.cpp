#include "platform/power_off_waiters.h"

namespace reminder {

bool PowerOffWaiters::add(Power::VerdictHandler handler) {
  handlers_.push_back(std::move(handler));
  return handlers_.size() == 1;
}

void PowerOffWaiters::decide(const PowerOffVerdict& verdict) {
  // Taken out first: a handler may show a message box, during which another expiry may ask.
  const std::vector<Power::VerdictHandler> handlers = std::move(handlers_);
  handlers_.clear();
  for (const Power::VerdictHandler& handler : handlers) handler(verdict);
}

}  // namespace reminder
