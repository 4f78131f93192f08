#pragma once

#include "platform/command_starter.h"

namespace reminder {

// Starts command lines as they stand, as new processes found through the system's search
// path, never through a shell and never waiting. The window comes up minimised or normal,
// with the focus, as the caller asks.
class WindowsCommandStarter final : public CommandStarter {
 public:
  StartOutcome start(const std::string& commandLine, WindowStyle style) override;
};

}  // namespace reminder
