// The program's Windows-style system command lines as this system's commands.
#include "system/linux/command_translation.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace reminder {
namespace {

TEST(CommandTranslation, TaskkillEndsProcessesOfExactlyThatName) {
  EXPECT_EQ(translateSystemCommand("taskkill /im wmplayer.exe"),
            (Argv{"pkill", "-x", R"(wmplayer\.exe)"}));
  EXPECT_EQ(translateSystemCommand("taskkill /im explorer.exe"),
            (Argv{"pkill", "-x", R"(explorer\.exe)"}));
  // pkill reads a pattern: every special character of a name stands for itself.
  EXPECT_EQ(translateSystemCommand("taskkill /im a+b(1)[x]^$|?*{2}\\.exe"),
            (Argv{"pkill", "-x", R"(a\+b\(1\)\[x\]\^\$\|\?\*\{2\}\\\.exe)"}));
}

TEST(CommandTranslation, AnyOtherLineIsNotASystemCommand) {
  for (const char* line : {"", "shutdown", "shutdown -s -t 00", "shutdown -r -t 00",
                           "shutdown -s -t 00 now", "taskkill /im", "taskkill /f /im winamp.exe",
                           "taskkill /IM winamp.exe", "/usr/bin/vlc", "vlc --fullscreen"}) {
    EXPECT_EQ(translateSystemCommand(line), std::nullopt) << line;
  }
}

// The translated pattern finds a process of that name and no other; pgrep matches exactly
// as pkill does, and ends nothing.
class NamedProcess {
 public:
  NamedProcess(const std::filesystem::path& folder, const std::string& name)
      : program_(folder / name) {
    std::filesystem::copy_file("/bin/sleep", program_);
    std::string path = program_.string();
    // Until it is killed, however slow the machine.
    std::string seconds = "infinity";
    std::array<char*, 3> argv{path.data(), seconds.data(), nullptr};
    if (posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
  }
  ~NamedProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove(program_);
  }
  NamedProcess(const NamedProcess&) = delete;
  NamedProcess& operator=(const NamedProcess&) = delete;
  NamedProcess(NamedProcess&&) = delete;
  NamedProcess& operator=(NamedProcess&&) = delete;

  [[nodiscard]] pid_t pid() const { return pid_; }

 private:
  std::filesystem::path program_;
  pid_t pid_ = 0;
};

std::vector<pid_t> processesMatching(const std::string& pattern) {
  std::vector<pid_t> found;
  FILE* out = popen(("pgrep -x '" + pattern + "'").c_str(), "r");
  if (out == nullptr) return found;
  for (int pid = 0; std::fscanf(out, "%d", &pid) == 1;) found.push_back(pid);
  pclose(out);
  return found;
}

TEST(CommandTranslation, ThePatternMatchesTheNamedProcessOnly) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("translation-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  {
    const NamedProcess player(folder, "wmplayer.exe");
    const NamedProcess lookAlike(folder, "wmplayerXexe");
    const NamedProcess longer(folder, "wmplayer.exe2");
    ASSERT_GT(player.pid(), 0);

    const Argv command = *translateSystemCommand("taskkill /im wmplayer.exe");
    const std::vector<pid_t> matched = processesMatching(command.back());

    EXPECT_NE(std::find(matched.begin(), matched.end(), player.pid()), matched.end());
    EXPECT_EQ(std::find(matched.begin(), matched.end(), lookAlike.pid()), matched.end());
    EXPECT_EQ(std::find(matched.begin(), matched.end(), longer.pid()), matched.end());
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace reminder
