// Starting the system commands through PATH, with recording stand-ins in place of the real
// systemctl, shutdown and pkill: nothing here shuts down or ends anything.
#include "platform/posix/posix_command_starter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace reminder {
namespace {

namespace fs = std::filesystem;

class PosixCommandStarterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("starter-" + std::to_string(getpid()));
    fs::create_directories(folder_);
    oldPath_ = std::getenv("PATH");
    // Only the stand-ins can be found.
    setenv("PATH", folder_.c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", oldPath_.c_str(), 1);
    fs::remove_all(folder_);
  }

  // A command of that name that writes its name and arguments to the record and ends with
  // `status`, as one the system refuses does.
  void standIn(const std::string& name, int status = 0) {
    const fs::path script = folder_ / name;
    std::ofstream(script) << "#!/bin/sh\necho \"" << name << " $*\" >> '"
                          << (folder_ / "record").string() << "'\nexit " << status << "\n";
    fs::permissions(script, fs::perms::owner_all);
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

  PosixCommandStarter starter;

 private:
  fs::path folder_;
  std::string oldPath_;
};

TEST_F(PosixCommandStarterTest, ShutdownGoesToSystemctlPoweroff) {
  standIn("systemctl");
  standIn("shutdown");
  EXPECT_TRUE(starter.start("shutdown -s -t 00", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(1), "systemctl poweroff\n");
}

TEST_F(PosixCommandStarterTest, WithoutSystemctlShutdownHaltsNow) {
  standIn("shutdown");
  EXPECT_TRUE(starter.start("shutdown -s -t 00", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(1), "shutdown -h now\n");
}

TEST_F(PosixCommandStarterTest, WithNeitherTheShutdownIsReportedAsNotStarted) {
  const StartOutcome outcome = starter.start("shutdown -s -t 00", WindowStyle::MinimizedWithFocus);
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(outcome.error.empty());
}

// Without systemd, or without the right to power off, systemctl says no: the fallback is
// tried, and a refusal from both must not pass for a shutdown under way.
TEST_F(PosixCommandStarterTest, AShutdownTheSystemRefusesIsNotTakenForStarted) {
  standIn("systemctl", 1);
  standIn("shutdown");
  EXPECT_TRUE(starter.start("shutdown -s -t 00", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(2), "systemctl poweroff\nshutdown -h now\n");

  standIn("shutdown", 1);
  const StartOutcome outcome = starter.start("shutdown -s -t 00", WindowStyle::MinimizedWithFocus);
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ(outcome.error, "shutdown -h now failed");
}

TEST_F(PosixCommandStarterTest, TaskkillGoesToPkillByExactName) {
  standIn("pkill");
  EXPECT_TRUE(starter.start("taskkill /im winamp.exe", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(1), "pkill -x winamp\\.exe\n");
}

}  // namespace
}  // namespace reminder
