#pragma once

#include <string_view>

#include "system/linux/command_translation.h"

namespace reminder {

// The user's program line as the program and its arguments, split without a shell: blanks
// separate words, double quotes group them, three double quotes in a row stand for one.
// Nothing in the line is expanded or redirected. Empty when the line holds no word.
[[nodiscard]] Argv splitCommandLine(std::string_view line);

}  // namespace reminder
