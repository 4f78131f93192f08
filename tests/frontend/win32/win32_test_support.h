#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace reminder::test {

// Runs the thread's message loop, as the program's main loop does, until `done` holds.
void pumpMessagesUntil(const std::function<bool()>& done);

// A fresh folder under the system's temporary folder, removed again with its contents.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  TemporaryFolder(TemporaryFolder&&) = delete;
  TemporaryFolder& operator=(TemporaryFolder&&) = delete;

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The lines a stand-in wrote to `file`, once it has written them: waits for the file.
[[nodiscard]] std::string recordedLines(const std::filesystem::path& file);

// This test program's folder, where the stand-ins for the system commands are.
[[nodiscard]] std::filesystem::path ownFolder();

}  // namespace reminder::test
