#pragma once

#include "model/context/context.h"

// The live clock: ten times a second the clock label is written with the time of day in
// the user's regional format; the label changes, and repaints, once a second.
namespace reminder::clock {

void attach(Context& context, Form1& form);

// The one text of a time of day: the clock shows it, tests its last character, and an
// alarm target is written with it so that the two can be compared.
[[nodiscard]] std::string clockText(Context& context, const TimeOfDay& time);
[[nodiscard]] std::string clockText(Context& context);

// Whether a clock showing this text offers the AM/PM choice: it ends in the designator.
[[nodiscard]] bool offersAmPm(const std::string& clockText);

void Timer2_Timer(Context& context);

// After every change of the clock text: the AM/PM choice follows the clock's format, and a
// 24-hour clock leaves no designator behind.
void ClockHousekeeping(Context& context);

}  // namespace reminder::clock
