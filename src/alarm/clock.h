#pragma once

#include "app/context.h"

// The live clock: ten times a second the clock label is written with the time of day in
// the user's regional format; the label changes, and repaints, once a second.
namespace reminder::clock {

void attach(Context& context, Form1& form);

// The one text of the current time: shown, tested for a final "M" and compared.
[[nodiscard]] std::string clockText(Context& context);

void Timer2_Timer(Context& context);

}  // namespace reminder::clock
