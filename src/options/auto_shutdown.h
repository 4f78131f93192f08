#pragma once

#include "context/context.h"

// The one switch that decides whether an expiry shuts the computer down: the check marks
// of Auto Shutdown > On / Off, spelled out by the status line.
namespace reminder::autoshutdown {

inline constexpr const char* kOnStatus = "Auto Shutdown Is On";
inline constexpr const char* kOffStatus = "Auto Shutdown Is Off";
inline constexpr const char* kQuestion = "Turn on Auto Shutdown ?";

void attach(Context& context, Form1& form);

[[nodiscard]] bool isOn(Context& context);
void SetAutoShutdown(Context& context, bool on);
// Sets only the two check marks; the status line follows with ShowAutoShutdownStatus.
void SetMarks(Form1& form, bool on);
void ShowAutoShutdownStatus(Context& context);

// The question a countdown's or an alarm's Start asks: the answer sets the switch, Yes shows
// `notice` first, and the status line follows only after that.
void AskAtStart(Context& context, const std::string& notice);

}  // namespace reminder::autoshutdown
