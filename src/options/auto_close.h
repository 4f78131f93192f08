#pragma once

#include "app/context.h"

// The auto-close choice: which players an expiry closes.
namespace reminder::autoclose {

void attach(Context& context, Form3& form);

// Unticks "OK" and every player and empties the summary and the status line.
void ClearChoice(Context& context);

}  // namespace reminder::autoclose
