#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

#include "system/linux/command_translation.h"

namespace reminder {

// Why a line that names no program does not start.
inline constexpr char kEmptyCommandLine[] = "the command line is empty";

// The user's program line as the program and its arguments, split without a shell: blanks
// separate words, double quotes group them, three double quotes in a row stand for one.
// Nothing in the line is expanded or redirected. Empty when the line holds no word.
[[nodiscard]] Argv splitCommandLine(std::string_view line);

// A program and its arguments as QProcess takes them.
struct ProcessCall {
  QString program;
  QStringList arguments;
};
// Nothing when `argv` is empty.
[[nodiscard]] std::optional<ProcessCall> processCallOf(const Argv& argv);

}  // namespace reminder
