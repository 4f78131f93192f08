#pragma once

#include "platform/command_starter.h"

namespace reminder {

// Starts processes through PATH without a shell and without waiting. System command lines
// are translated first; any other line is the user's program: a whole line naming an
// existing file starts that file, otherwise the line is split into the program and its
// arguments.
class QtCommandStarter final : public CommandStarter {
 public:
  StartOutcome start(const std::string& commandLine, WindowStyle style) override;
};

}  // namespace reminder
