#include "frontend/qt/qt_command_starter.h"

#include <QFileInfo>
#include <QProcess>

#include "frontend/qt/command_line.h"
#include "system/linux/command_translation.h"

namespace reminder {

namespace {

StartOutcome startDetached(const std::optional<ProcessCall>& call) {
  if (!call) return {false, kEmptyCommandLine};
  if (call->program.isEmpty()) return {false, "no program named"};
  QProcess process;
  process.setProgram(call->program);
  process.setArguments(call->arguments);
  if (process.startDetached()) return {true, {}};
  return {false, process.errorString().toStdString()};
}

}  // namespace

StartOutcome QtCommandStarter::start(const std::string& commandLine, WindowStyle /*style*/) {
  if (const auto argv = translateSystemCommand(commandLine)) {
    return startDetached(processCallOf(*argv));
  }
  const QString line = QString::fromStdString(commandLine);
  if (QFileInfo(line).isFile()) {
    return startDetached(ProcessCall{QFileInfo(line).absoluteFilePath(), {}});
  }
  return startDetached(processCallOf(splitCommandLine(commandLine)));
}

}  // namespace reminder
