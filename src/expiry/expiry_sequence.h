#pragma once

#include <functional>
#include <string>

#include "context/context.h"

// What happens when time is up, the same for the countdown and the alarm.
namespace reminder::expiry {

// What a trigger does once its expiry has been dealt with: its own resets.
using AfterExpiry = std::function<void()>;

inline constexpr const char* kAutoCloseTitle = "Auto Close Program";

// What the user reads when the command closing these players could not be started.
[[nodiscard]] std::string autoCloseFailedPrompt(const std::string& players);

// Shuts the computer down and ends the program when auto shutdown is on; otherwise hands
// the chosen program to the auto-run timer, closes the chosen players and shows the Time Up
// notice, and runs `afterwards` once the user has dismissed its message box. A power-off is
// asked for without waiting: `afterwards` then runs when the system has refused it, after
// the reminder.
void RunExpirySequence(Context& context, const AfterExpiry& afterwards);

// The steps after the shutdown: auto-run, auto-close and the Time Up notice.
void RemindOfExpiry(Context& context);

// The Time Up window and the "Time Up" message box.
void ShowTimeUpNotice(Context& context);

}  // namespace reminder::expiry
