#pragma once

#include <functional>
#include <string>

namespace reminder {

// How long a watched command may take before it counts as giving no answer.
inline constexpr int kProcessAnswerBoundMs = 30'000;

struct ProcessEnd {
  bool started = false;
  int exitCode = -1;  // the status it ended with; -1 when it crashed or never started
  // Why it could not be started or waited for, how it ended other than by exiting, or else
  // the last line it wrote to its error output, where the watcher reads it (the Qt one does).
  std::string error;
  // It had not ended when the bound was reached ("no answer from ... within 30 s" in
  // `error`); the watcher ends it, so that it cannot act after the verdict.
  bool timedOut = false;
};

// Starts a command line without a shell, minimised, its program found through PATH on Linux
// and, on Windows, as the command starter finds it ("shutdown" from the system folder only),
// and tells when it has ended, without blocking the window.
class ProcessWatcher {
 public:
  using EndHandler = std::function<void(const ProcessEnd&)>;

  virtual ~ProcessWatcher() = default;
  // `handler` is called once, later, from the event loop, never from inside this call: when
  // the command has ended, or when it has not ended within the watcher's bound.
  virtual void run(const std::string& commandLine, EndHandler handler) = 0;
};

// What a watcher says of a command that has not ended within `boundMs`.
[[nodiscard]] inline ProcessEnd noAnswer(const std::string& program, int boundMs) {
  return {true, -1,
          "no answer from " + program + " within " + std::to_string(boundMs / 1000) + " s", true};
}

}  // namespace reminder
