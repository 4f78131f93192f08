#pragma once

// Recording stand-ins for system commands, the only commands a test can find on PATH:
// nothing started through them shuts down or ends anything.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace reminder {

class StandInCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("stand-ins-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    oldPath_ = std::getenv("PATH");
    // Only the stand-ins can be found.
    setenv("PATH", folder_.c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath_.c_str(), 1);
    std::filesystem::remove_all(folder_);
  }

  // A command of that name that writes its name and arguments to the record, says `says` on
  // its error output and ends with `status`, as one the system refuses does.
  // With `hangs`, it never ends (as one waiting for a password does) until it is killed.
  void standIn(const std::string& name, int status = 0, const std::string& says = {},
               bool hangs = false) {
    const std::filesystem::path script = folder_ / name;
    std::ofstream(script) << "#!/bin/sh\necho \"" << name << " $*\" >> '"
                          << (folder_ / "record").string() << "'\n"
                          << (says.empty() ? "" : "echo '" + says + "' >&2\n")
                          << (hangs ? "exec /bin/sleep 600\n" : "") << "exit " << status << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  }

  // What the stand-ins recorded, once `lines` lines have come (they run on their own).
  std::string recorded(int lines) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
      std::ifstream in(folder_ / "record");
      std::stringstream all;
      all << in.rdbuf();
      text = all.str();
      if (std::count(text.begin(), text.end(), '\n') >= lines) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return text;
  }

 private:
  std::filesystem::path folder_;
  std::string oldPath_;
};

}  // namespace reminder
