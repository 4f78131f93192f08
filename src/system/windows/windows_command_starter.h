#pragma once

#include "platform/command_starter.h"

namespace reminder {

// Starts command lines as new processes, never through a shell and never waiting: "shutdown"
// and "taskkill" from the system folder only, with their lines as they stand; the user's
// program as exactly the file the line names (see launchFor). The window comes up minimised
// or normal, with the focus, as the caller asks.
class WindowsCommandStarter final : public CommandStarter {
 public:
  StartOutcome start(const std::string& commandLine, WindowStyle style) override;
};

}  // namespace reminder
