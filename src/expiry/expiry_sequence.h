#pragma once

#include <functional>
#include <string>

#include "context/context.h"

// What happens when time is up, the same for the countdown and the alarm.
namespace reminder::expiry {

inline constexpr const char* kShutdownCommand = "shutdown -s -t 00";
inline constexpr const char* kShutdownFailed =
    "Auto Shutdown failed: the shutdown command could not be started./Matikan otomatis gagal: "
    "perintah shutdown tidak dapat dijalankan.";

inline constexpr const char* kAutoCloseTitle = "Auto Close Program";

// What the user reads when the command closing these players could not be started.
[[nodiscard]] std::string autoCloseFailedPrompt(const std::string& players);

// Shuts the computer down and ends the program when auto shutdown is on; otherwise hands
// the chosen program to the auto-run timer, closes the chosen players and shows the Time Up
// notice, returning when the user has dismissed its message box. `whatEnded` tells the
// desktop's notification what is up: the countdown's "Time Set to 5 Minute", the alarm's
// time.
void RunExpirySequence(Context& context, const std::string& whatEnded);

// The Time Up window with its sound and desktop notification, then `beforeTheBox` (a
// failure to report, say, while the reminder is already on screen), then the "Time Up"
// message box; the notification goes when the box is dismissed.
void ShowTimeUpNotice(Context& context, const std::string& whatEnded,
                      const std::function<void()>& beforeTheBox = {});

}  // namespace reminder::expiry
