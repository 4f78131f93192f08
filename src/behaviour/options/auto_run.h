#pragma once

#include <string>

#include "model/context/context.h"

// The auto-run choice: one program that starts about a second after an expiry, picked in
// Form2 by walking drives and folders, or typed into its path box as a command line.
namespace reminder::autorun {

inline constexpr const char* kStartFailedTitle = "Auto Run Program";

// The menu items under Tools > Auto Run Program.
void attach(Context& context, Form1& form);
// The picker; browsing starts at the first drive.
void attach(Context& context, Form2& form);

void Selprog_Click(Context& context);
void Drive1_Change(Context& context);
void Dir1_Change(Context& context);
void File1_Click(Context& context);
void Text1_Change(Context& context);
void Check1_Click(Context& context);
void Command1_Click(Context& context);
void Timer1_Timer(Context& context);
void cancel_Click(Context& context);

// What the user reads when the chosen program could not be started, and why.
[[nodiscard]] std::string startFailedPrompt(const std::string& commandLine,
                                            const std::string& reason);

}  // namespace reminder::autorun
