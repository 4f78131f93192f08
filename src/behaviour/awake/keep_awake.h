#pragma once

#include "model/context/context.h"

// The computer stays awake while a countdown runs or an alarm is armed, so that the reminder
// comes at its time, and not a moment longer.
namespace reminder::awake {

// Holds the computer awake for what is set now, named in the reason, or lets go where
// nothing is. A countdown standing at "0" or an alarm showing its time has ended already.
void KeepAwakeWhileSet(Context& context);

}  // namespace reminder::awake
