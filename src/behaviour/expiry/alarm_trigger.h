#pragma once

#include "model/context/context.h"

// The alarm goes off when the clock shows the armed target.
namespace reminder::expiry {

void attachAlarmTrigger(Context& context, Form1& form);

// On every change of the clock text: the expiry when the clock shows the target, then the
// housekeeping of the AM/PM choice and of the alarm's Cancel button.
void Label5_Change(Context& context);

// Leaves the alarm idle after its expiry: entry empty and usable, nothing armed.
void ResetAlarmAfterExpiry(Context& context);

}  // namespace reminder::expiry
