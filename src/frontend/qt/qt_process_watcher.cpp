#include "frontend/qt/qt_process_watcher.h"

#include <QProcess>
#include <QTimer>
#include <memory>

#include "frontend/qt/command_line.h"

namespace reminder {

namespace {

std::string lastLine(const QByteArray& output) {
  const QList<QByteArray> lines = output.trimmed().split('\n');
  return lines.isEmpty() ? std::string() : lines.back().trimmed().toStdString();
}

}  // namespace

void QtProcessWatcher::run(const std::string& commandLine, EndHandler handler) {
  const std::optional<ProcessCall> call = processCallOf(splitCommandLine(commandLine));
  if (!call) {
    QTimer::singleShot(0, [handler] { handler({false, -1, kEmptyCommandLine}); });
    return;
  }
  auto* process = new QProcess(&processes_);
  process->setProgram(call->program);
  process->setArguments(call->arguments);
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardInputFile(QProcess::nullDevice());

  // Queued, so that no end is reported from inside run(); once, whichever comes first.
  auto pending = std::make_shared<EndHandler>(std::move(handler));
  const auto report = [pending](const ProcessEnd& end) {
    if (!*pending) return;
    const EndHandler handler = std::move(*pending);
    *pending = nullptr;
    handler(end);
  };
  QObject::connect(
      process, &QProcess::finished, process,
      [process, report](int exitCode, QProcess::ExitStatus status) {
        const std::string said = lastLine(process->readAllStandardError());
        if (status == QProcess::CrashExit) {
          report({true, -1, said.empty() ? process->errorString().toStdString() : said});
        } else {
          report({true, exitCode, said});
        }
        process->deleteLater();
      },
      Qt::QueuedConnection);
  QObject::connect(
      process, &QProcess::errorOccurred, process,
      [process, report](QProcess::ProcessError error) {
        // Any other error is followed by finished().
        if (error == QProcess::FailedToStart) {
          report({false, -1, process->errorString().toStdString()});
          process->deleteLater();
        }
      },
      Qt::QueuedConnection);
  // No answer within the bound is an answer too; the command is ended, so that it cannot act
  // after the program has said it did not.
  QTimer::singleShot(boundMs_, process,
                     [process, report, program = call->program.toStdString(), bound = boundMs_] {
                       report(noAnswer(program, bound));
                       process->kill();
                     });
  process->start();
}

}  // namespace reminder
