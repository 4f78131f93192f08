#pragma once

#include <vector>

#include "platform/power.h"

namespace reminder {

// The handlers waiting for one power-off request's verdict, for implementations of Power:
// only the first of them sends the request.
class PowerOffWaiters {
 public:
  // True when nothing was awaited before, so the request is to be sent now.
  [[nodiscard]] bool add(Power::VerdictHandler handler);
  // Hands the verdict to every waiting handler in the order they came. A handler that asks
  // again starts a new request.
  void decide(const PowerOffVerdict& verdict);
  [[nodiscard]] bool waiting() const { return !handlers_.empty(); }

 private:
  std::vector<Power::VerdictHandler> handlers_;
};

}  // namespace reminder
