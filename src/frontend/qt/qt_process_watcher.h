#pragma once

#include <QObject>

#include "platform/process_watcher.h"

namespace reminder {

// Runs a command line through PATH without a shell (split as the user's program line is) in
// a QProcess, and reports its end, or that it has not ended within `boundMs` (it is then
// killed), through the event loop. A process still running, or killed and not yet reaped,
// goes with the watcher.
class QtProcessWatcher final : public ProcessWatcher {
 public:
  explicit QtProcessWatcher(int boundMs = kProcessAnswerBoundMs) : boundMs_(boundMs) {}
  void run(const std::string& commandLine, EndHandler handler) override;

 private:
  int boundMs_;
  QObject processes_;  // the parent of every process watched
};

}  // namespace reminder
