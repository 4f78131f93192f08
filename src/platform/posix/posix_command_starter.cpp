#include "platform/posix/posix_command_starter.h"

#include <QFileInfo>
#include <QProcess>

#include "platform/posix/command_translation.h"

namespace reminder {

namespace {

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

}  // namespace

StartOutcome PosixCommandStarter::start(const std::string& commandLine, WindowStyle /*style*/) {
  if (const auto alternatives = translateSystemCommand(commandLine)) {
    StartOutcome outcome;
    for (const Argv& argv : *alternatives) {
      outcome = startArgv(argv);
      if (outcome.started) break;
    }
    return outcome;
  }
  const QString line = QString::fromStdString(commandLine);
  if (QFileInfo(line).isFile()) return startDetached(QFileInfo(line).absoluteFilePath(), {});
  QStringList words = QProcess::splitCommand(line);
  if (words.isEmpty()) return {false, "the command line is empty"};
  const QString program = words.takeFirst();
  return startDetached(program, words);
}

}  // namespace reminder
