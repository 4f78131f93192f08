#include "frontend/qt/freedesktop/launcher_entry_progress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace reminder {

namespace {

const QString kInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
// Listeners take the signal from any object; this one is the program's own.
const QString kPath = QStringLiteral("/com/canonical/unity/launcherentry/time_reminder");

}  // namespace

LauncherEntryProgress::LauncherEntryProgress(const std::string& desktopFileName)
    : appUri_(
          QStringLiteral("application://%1.desktop").arg(QString::fromStdString(desktopFileName))) {
  sending_.setSingleShot(true);
  sending_.setInterval(0);
  QObject::connect(&sending_, &QTimer::timeout, [this] { send(); });
}

void LauncherEntryProgress::show(int secondsPassed, int secondsInAll) {
  update({static_cast<double>(secondsPassed) / secondsInAll, true, false});
}

void LauncherEntryProgress::showTimeUp() {
  update({wanted_.progress, wanted_.visible, true});
}

void LauncherEntryProgress::clear() {
  update({});
}

void LauncherEntryProgress::update(const Entry& entry) {
  wanted_ = entry;
  if (!sending_.isActive()) sending_.start();
}

void LauncherEntryProgress::send() {
  if (wanted_ == sent_) return;
  QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("Update"));
  signal << appUri_
         << QVariantMap{{QStringLiteral("progress"), wanted_.progress},
                        {QStringLiteral("progress-visible"), wanted_.visible},
                        {QStringLiteral("urgent"), wanted_.urgent}};
  QDBusConnection::sessionBus().send(signal);
  sent_ = wanted_;
}

}  // namespace reminder
