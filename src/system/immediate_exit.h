#pragma once

#include "platform/process_control.h"

namespace reminder {

// Ends the process on the spot: no event loop, no window handler, no destructor runs.
class ImmediateExit final : public ProcessControl {
 public:
  [[noreturn]] void endNow() override;
};

}  // namespace reminder
