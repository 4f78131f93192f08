#pragma once

#include <string>

#include "behaviour/expiry/expiry_sequence.h"

// The first step of the expiry sequence with auto shutdown on.
namespace reminder::expiry {

[[nodiscard]] std::string shutdownFailedPrompt(const std::string& reason);

// Asks the system to power off and returns at once: the window goes on painting and the
// timers on ticking while the answer comes. Accepted, the program ends with nothing else
// run; refused, the user is told why, reminded as without auto shutdown, and `afterwards`
// runs.
void PowerOffOrRemind(Context& context, const std::string& whatEnded,
                      const AfterExpiry& afterwards);

}  // namespace reminder::expiry
