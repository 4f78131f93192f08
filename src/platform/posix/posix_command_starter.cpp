#include "platform/posix/posix_command_starter.h"

#include <spawn.h>
#include <sys/wait.h>

#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/posix/command_line.h"
#include "platform/posix/command_translation.h"

extern char** environ;

namespace reminder {

namespace {

// How long a system command with a fallback may take to say whether it did its job. Asking
// for a power-off returns at once; one still busy after this is taken to be under way.
constexpr auto kOutcomeWait = std::chrono::seconds(10);

std::string joined(const Argv& argv) {
  std::string line;
  for (const std::string& word : argv) line += (line.empty() ? "" : " ") + word;
  return line;
}

StartOutcome startDetached(const QString& program, const QStringList& arguments) {
  if (program.isEmpty()) return {false, "no program named"};
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (process.startDetached()) return {true, {}};
  return {false, process.errorString().toStdString()};
}

StartOutcome startArgv(const Argv& argv) {
  QStringList arguments;
  for (std::size_t i = 1; i < argv.size(); ++i) arguments << QString::fromStdString(argv[i]);
  return startDetached(QString::fromStdString(argv.front()), arguments);
}

// Runs `argv` through PATH and waits for its verdict: a shutdown that the system refuses (no
// permission, no systemd) must not pass for one under way, or the program would end and
// leave the computer on without a word.
StartOutcome runForVerdict(const Argv& argv) {
  std::vector<char*> words;
  for (const std::string& word : argv) words.push_back(const_cast<char*>(word.c_str()));
  words.push_back(nullptr);
  pid_t pid = 0;
  if (const int error =
          ::posix_spawnp(&pid, words.front(), nullptr, nullptr, words.data(), environ);
      error != 0) {
    return {false, joined(argv) + ": " + std::strerror(error)};
  }
  const auto deadline = std::chrono::steady_clock::now() + kOutcomeWait;
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return {true, {}};
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
  return {false, joined(argv) + " failed"};
}

}  // namespace

StartOutcome PosixCommandStarter::start(const std::string& commandLine, WindowStyle /*style*/) {
  if (const auto alternatives = translateSystemCommand(commandLine)) {
    if (alternatives->size() == 1) return startArgv(alternatives->front());
    StartOutcome outcome;
    for (const Argv& argv : *alternatives) {
      outcome = runForVerdict(argv);
      if (outcome.started) break;
    }
    return outcome;
  }
  const QString line = QString::fromStdString(commandLine);
  if (QFileInfo(line).isFile()) return startDetached(QFileInfo(line).absoluteFilePath(), {});
  Argv argv = splitCommandLine(commandLine);
  if (argv.empty()) return {false, "the command line is empty"};
  return startArgv(argv);
}

}  // namespace reminder
