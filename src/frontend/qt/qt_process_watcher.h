#pragma once

#include "platform/process_watcher.h"

namespace reminder {

// Runs a command line through PATH without a shell (split as the user's program line is) in
// a QProcess, and reports its end through the event loop.
class QtProcessWatcher final : public ProcessWatcher {
 public:
  void run(const std::string& commandLine, EndHandler handler) override;
};

}  // namespace reminder
