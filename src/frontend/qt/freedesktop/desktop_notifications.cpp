#include "frontend/qt/freedesktop/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace reminder {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr std::uint8_t kCritical = 2;
constexpr int kNeverExpires = 0;

QDBusMessage call(const QString& method) {
  return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

}  // namespace

DesktopNotifications::DesktopNotifications(std::string applicationName, std::string iconName)
    : applicationName_(std::move(applicationName)), iconName_(std::move(iconName)) {}

void DesktopNotifications::post(const DesktopNotice& notice) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  const QString icon = QString::fromStdString(iconName_);
  QDBusMessage message = call(QStringLiteral("Notify"));
  message << QString::fromStdString(applicationName_) << 0U << icon
          << QString::fromStdString(notice.summary) << QString::fromStdString(notice.body)
          << QStringList()
          << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(kCritical)},
                         {QStringLiteral("desktop-entry"), icon}}
          << kNeverExpires;
  const unsigned post = ++posts_;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), &replies_);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &replies_,
                   [this, post](QDBusPendingCallWatcher* finished) {
                     finished->deleteLater();
                     const QDBusPendingReply<unsigned> reply = *finished;
                     if (reply.isError()) return;  // no service: no notice
                     if (post <= withdrawn_) {
                       close(reply.value());
                     } else {
                       shown_.push_back(reply.value());
                     }
                   });
}

void DesktopNotifications::withdraw() {
  withdrawn_ = posts_;
  for (const unsigned id : shown_) close(id);
  shown_.clear();
}

void DesktopNotifications::close(unsigned id) const {
  QDBusMessage message = call(QStringLiteral("CloseNotification"));
  message << id;
  QDBusConnection::sessionBus().asyncCall(message);
}

}  // namespace reminder
