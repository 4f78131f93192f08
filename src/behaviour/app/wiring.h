#pragma once

#include "model/context/context.h"

namespace reminder {

// Connects the handlers of every behaviour module to a window that has just been built.
void attachBehaviour(Context& context, Form& form);

}  // namespace reminder
