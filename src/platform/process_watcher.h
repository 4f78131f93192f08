#pragma once

#include <functional>
#include <string>

namespace reminder {

struct ProcessEnd {
  bool started = false;
  int exitCode = -1;  // the status it ended with; -1 when it crashed or never started
  // Why it could not be started, how it ended other than by exiting, or else the last line
  // it wrote to its error output.
  std::string error;
};

// Starts a command line through PATH without a shell, minimised, and tells when it has
// ended, without blocking the window.
class ProcessWatcher {
 public:
  using EndHandler = std::function<void(const ProcessEnd&)>;

  virtual ~ProcessWatcher() = default;
  // `handler` is called once, later, from the event loop, never from inside this call.
  virtual void run(const std::string& commandLine, EndHandler handler) = 0;
};

}  // namespace reminder
