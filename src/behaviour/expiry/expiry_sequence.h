#pragma once

#include <functional>
#include <string>

#include "model/context/context.h"

// What happens when time is up, the same for the countdown and the alarm.
namespace reminder::expiry {

// What a trigger does once its expiry has been dealt with: its own resets.
using AfterExpiry = std::function<void()>;

inline constexpr const char* kAutoCloseTitle = "Auto Close Program";
// Why an expiry with auto shutdown on did not power off: the user has just woken the computer
// to use it.
inline constexpr const char* kAsleepAtExpiry =
    "The computer was asleep when the time was up, so it was not shut down./Komputer sedang "
    "tidur saat waktu habis, jadi tidak dimatikan.";

// What the user reads when the command closing these players could not be started.
[[nodiscard]] std::string autoCloseFailedPrompt(const std::string& players);

// Shuts the computer down and ends the program when auto shutdown is on; otherwise hands
// the chosen program to the auto-run timer, closes the chosen players and shows the Time Up
// notice, and runs `afterwards` once the user has dismissed its message box. A power-off is
// asked for without waiting: `afterwards` then runs when the system has refused it, after
// the reminder. `whatEnded` tells the desktop's notification what is up: the countdown's
// "Time Set to 5 Minute", the alarm's time. The computer stays awake no longer for what
// ended. One that fell due while the computer slept (`dueWhileAsleep`) never shuts it down:
// the user is told so, and reminded as without auto shutdown.
void RunExpirySequence(Context& context, const std::string& whatEnded,
                       const AfterExpiry& afterwards, bool dueWhileAsleep = false);

// The steps after the shutdown: auto-run, auto-close and the Time Up notice.
void RemindOfExpiry(Context& context, const std::string& whatEnded);

// The Time Up window with its sound and desktop notification, then `beforeTheBox` (a
// failure to report, say, while the reminder is already on screen), then the "Time Up"
// message box; the notification goes when the box is dismissed.
void ShowTimeUpNotice(Context& context, const std::string& whatEnded,
                      const std::function<void()>& beforeTheBox = {});

}  // namespace reminder::expiry
