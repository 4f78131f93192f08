#pragma once

#include "model/context/context.h"

// The one switch that decides whether an expiry shuts the computer down: the check marks
// of Auto Shutdown > On / Off, spelled out by the status line.
namespace reminder::autoshutdown {

inline constexpr const char* kOnStatus = "Auto Shutdown Is On";
inline constexpr const char* kOffStatus = "Auto Shutdown Is Off";
inline constexpr const char* kQuestion = "Turn on Auto Shutdown ?";
// The title of its own boxes: the warning when it is turned on, the failure at expiry.
inline constexpr const char* kBoxTitle = "Auto Shutdown";
inline constexpr const char* kCannotPowerOffWarning =
    "This computer does not let Auto Shutdown turn it off: when the time is up you will get "
    "the reminder instead./Komputer ini tidak mengizinkan Matikan otomatis mematikannya: saat "
    "waktu habis anda akan mendapat pengingat sebagai gantinya.";

void attach(Context& context, Form1& form);

[[nodiscard]] bool isOn(Context& context);
void SetAutoShutdown(Context& context, bool on);
// Sets only the two check marks; the status line follows with ShowAutoShutdownStatus.
void SetMarks(Form1& form, bool on);
void ShowAutoShutdownStatus(Context& context);

// The question a countdown's or an alarm's Start asks: the answer sets the switch, Yes shows
// `notice` first, and the status line follows only after that.
void AskAtStart(Context& context, const std::string& notice);

// Turned on where the system will not let this user power off (or only with a password,
// which the program does not ask for): the user is told now, not when the time is up.
void WarnIfPowerOffRefused(Context& context);

}  // namespace reminder::autoshutdown
