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

// This test program's folder, where copies of the stand-in lie as "shutdown.exe" and
// "taskkill.exe", as a downloaded one could lie beside the program.
[[nodiscard]] std::filesystem::path ownFolder();

// A folder under `base` whose path is at least `length` characters long, made through the
// "\\?\" prefix that such paths need; its path without the prefix.
[[nodiscard]] std::filesystem::path deepFolder(const std::filesystem::path& base,
                                               std::size_t length);
// A copy of the stand-in (or an empty file) at a path of any length.
void putFile(const std::filesystem::path& at, bool standIn);

}  // namespace reminder::test
