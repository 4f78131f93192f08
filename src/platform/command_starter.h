#pragma once

#include <cstdint>
#include <string>

namespace reminder {

enum class WindowStyle : std::uint8_t { MinimizedWithFocus, NormalWithFocus };

struct StartOutcome {
  bool started = false;
  std::string error;  // why it could not be started
};

// Starts a command line as a new process, never through a shell and never waiting for it.
// The program's own command lines are written as on Windows ("shutdown -s -t 00",
// "taskkill /im NAME"); a starter for another system translates them.
class CommandStarter {
 public:
  virtual ~CommandStarter() = default;
  virtual StartOutcome start(const std::string& commandLine, WindowStyle style) = 0;
};

}  // namespace reminder
