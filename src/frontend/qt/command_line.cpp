#include "frontend/qt/command_line.h"

#include <QProcess>

namespace reminder {

Argv splitCommandLine(std::string_view line) {
  Argv argv;
  const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  for (const QString& word : QProcess::splitCommand(text)) argv.push_back(word.toStdString());
  return argv;
}

}  // namespace reminder
