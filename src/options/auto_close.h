#pragma once

#include "app/context.h"

// The auto-close choice: which players an expiry closes, picked in Form3 and confirmed with
// its "OK" box.
namespace reminder::autoclose {

// The menu items under Tools > Auto Close Program.
void attach(Context& context, Form1& form);
void attach(Context& context, Form3& form);

void selproc_Click(Context& context);
void Check5_Click(Context& context);
void Command1_Click(Context& context);
void Command2_Click(Context& context);
void cancelc_Click(Context& context);

// Unticks "OK" and every player and empties the summary and the status line.
void ClearChoice(Context& context);

}  // namespace reminder::autoclose
