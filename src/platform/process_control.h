#pragma once

namespace reminder {

class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  // Ends the process at once: no further handler of any window runs.
  [[noreturn]] virtual void endNow() = 0;
};

}  // namespace reminder
