#pragma once

#include <atomic>
#include <map>
#include <memory>

#include "platform/process_watcher.h"

namespace reminder {

// Starts command lines minimised, as the command starter finds them ("shutdown" from the
// system folder only), and reports each one's end, or that it has not ended within
// `boundMs` (it is then ended), from the message loop of the thread that made the watcher: a wait
// of the system's thread pool posts it to a message-only window.
class Win32ProcessWatcher final : public ProcessWatcher {
 public:
  explicit Win32ProcessWatcher(int boundMs = kProcessAnswerBoundMs);
  ~Win32ProcessWatcher() override;
  Win32ProcessWatcher(const Win32ProcessWatcher&) = delete;
  Win32ProcessWatcher& operator=(const Win32ProcessWatcher&) = delete;
  Win32ProcessWatcher(Win32ProcessWatcher&&) = delete;
  Win32ProcessWatcher& operator=(Win32ProcessWatcher&&) = delete;

  void run(const std::string& commandLine, EndHandler handler) override;

  struct Watched;

 private:
  int boundMs_;
  void* window_;  // HWND
  std::atomic<bool> closing_{false};
  std::map<unsigned long long, std::unique_ptr<Watched>> watched_;
  unsigned long long lastId_ = 0;

  friend struct WatcherWindow;
};

}  // namespace reminder
