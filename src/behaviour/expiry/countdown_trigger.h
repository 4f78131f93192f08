#pragma once

#include "model/context/context.h"

// The countdown's end: the minutes field's change handler, which runs the expiry when a
// running countdown lowers the field to "0", and otherwise decides whether Start can be
// pressed.
namespace reminder::expiry {

void attachCountdownTrigger(Context& context, Form1& form);

void Text1_Change(Context& context);

// Leaves the countdown idle after its expiry, "0" still in the unlocked minutes field.
void ResetCountdownAfterExpiry(Context& context);

}  // namespace reminder::expiry
