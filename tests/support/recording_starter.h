#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/command_starter.h"

namespace reminder::test {

// Records every command line instead of starting it. Lines marked missing fail to start.
class RecordingStarter final : public CommandStarter {
 public:
  struct Started {
    std::string commandLine;
    WindowStyle style;
  };

  StartOutcome start(const std::string& commandLine, WindowStyle style) override;

  void makeMissing(const std::string& commandLine) { missing_.insert(commandLine); }
  [[nodiscard]] const std::vector<Started>& started() const { return started_; }
  [[nodiscard]] std::vector<std::string> lines() const;
  // Forgets what was started, so that a long run keeps no record of its own.
  void clear() { started_.clear(); }

 private:
  std::set<std::string> missing_;
  std::vector<Started> started_;
};

}  // namespace reminder::test
