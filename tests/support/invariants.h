#pragma once

#include <string>
#include <vector>

#include "support/harness.h"

namespace reminder::test {

// What must hold between any two events, whatever the user did before: the auto shutdown
// marks and their status line, the countdown's and the alarm's buttons and fields against
// whether they run, the status lines against the armed options, the captions against the
// chosen language. A running countdown and an armed alarm must be able to go off.
// `settled`: the clock has changed since the last arming or cancelling, so the alarm's
// Cancel button has caught up. Returns what does not hold; empty when all does.
[[nodiscard]] std::vector<std::string> brokenInvariants(Harness& app, bool settled);

// Every property of every window built so far, as text: what a refused entry must leave
// exactly as it was.
[[nodiscard]] std::string describeWindows(Harness& app);

}  // namespace reminder::test
