#include "frontend/qt/qt_command_starter.h"

#include <QFileInfo>
#include <QProcess>

#include "frontend/qt/command_line.h"
#include "system/linux/command_translation.h"

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

StartOutcome QtCommandStarter::start(const std::string& commandLine, WindowStyle /*style*/) {
  if (const auto argv = translateSystemCommand(commandLine)) return startArgv(*argv);
  const QString line = QString::fromStdString(commandLine);
  if (QFileInfo(line).isFile()) return startDetached(QFileInfo(line).absoluteFilePath(), {});
  Argv argv = splitCommandLine(commandLine);
  if (argv.empty()) return {false, "the command line is empty"};
  return startArgv(argv);
}

}  // namespace reminder
