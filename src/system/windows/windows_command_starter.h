#pragma once

#include "platform/command_starter.h"

namespace reminder {

// Starts command lines as they stand, as new processes, never through a shell and never
// waiting. "shutdown" and "taskkill" run from the program's own folder or else the system
// folder, never from the current folder or PATH; any other program is found as Windows finds
// it. The window comes up minimised or normal, with the focus, as the caller asks.
class WindowsCommandStarter final : public CommandStarter {
 public:
  StartOutcome start(const std::string& commandLine, WindowStyle style) override;
};

}  // namespace reminder
