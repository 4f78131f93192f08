#include "frontend/qt/command_line.h"

#include <QProcess>

namespace reminder {

Argv splitCommandLine(std::string_view line) {
  Argv argv;
  const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  for (const QString& word : QProcess::splitCommand(text)) argv.push_back(word.toStdString());
  return argv;
}

std::optional<ProcessCall> processCallOf(const Argv& argv) {
  if (argv.empty()) return std::nullopt;
  ProcessCall call{QString::fromStdString(argv.front()), {}};
  for (std::size_t i = 1; i < argv.size(); ++i) call.arguments << QString::fromStdString(argv[i]);
  return call;
}

}  // namespace reminder
