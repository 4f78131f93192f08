#pragma once

#include "program_identity.h"

// The program's credit texts: the About box and the two credit labels of the main window.
namespace reminder::credits {

inline constexpr const char* kProgramName = REMINDER_PROGRAM_NAME;
inline constexpr const char* kVersion = REMINDER_VERSION;
inline constexpr const char* kAboutLine =
    REMINDER_PROGRAM_NAME ", version " REMINDER_VERSION
                          ": a countdown, an alarm and an auto shutdown in one small window.";
inline constexpr const char* kCreditLabel = REMINDER_PROGRAM_NAME "\nversion " REMINDER_VERSION;
inline constexpr const char* kCreditToolTip = REMINDER_PROGRAM_NAME " " REMINDER_VERSION;
inline constexpr const char* kMotto = "Keep track of your time";

}  // namespace reminder::credits
