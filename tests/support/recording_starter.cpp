#include "support/recording_starter.h"

namespace reminder::test {

StartOutcome RecordingStarter::start(const std::string& commandLine, WindowStyle style) {
  if (missing_.contains(commandLine)) return {false, "No such file or directory"};
  started_.push_back({commandLine, style});
  return {true, {}};
}

std::vector<std::string> RecordingStarter::lines() const {
  std::vector<std::string> result;
  for (const Started& s : started_) result.push_back(s.commandLine);
  return result;
}

}  // namespace reminder::test
