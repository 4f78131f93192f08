#pragma once

#include <string>

namespace reminder {

// What CreateProcessW is given for a command line, so that it never has to guess which file
// is meant (an unquoted "C:\Program Files\App\app.exe" would have it try "C:\Program.exe"
// first).
struct ProcessLaunch {
  std::wstring file;         // the program file, in the form the system takes at any length
  std::wstring commandLine;  // what the program gets as its command line
  std::string error;         // why nothing can be run; empty when `file` is found
};

// A system command ("shutdown", "taskkill") runs from the system folder, its line as it
// stands. Any other line is the user's program: a line that is as a whole the path of a
// file (blanks and all) runs exactly that file; otherwise its first word, in double quotes
// where it has blanks, names the program and the rest are its arguments. A word with a folder
// in it names exactly that file; a bare name is looked for on PATH, never in the current
// folder. The program gets its own path, quoted, as the first word of its command line.
[[nodiscard]] ProcessLaunch launchFor(const std::string& commandLine);

struct StartedProcess {
  void* process = nullptr;  // the process's handle, the caller's to close; null: not started
  std::string error;
  std::string fileName;  // of the program started, without its folder
};

// Starts what launchFor finds, its window shown as `show` (an SW_ value), without waiting.
[[nodiscard]] StartedProcess startProcess(const std::string& commandLine, int show);

}  // namespace reminder
