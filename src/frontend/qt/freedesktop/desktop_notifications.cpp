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
  // Every notice takes its place, posted or not, for its box's answer to withdraw.
  const std::size_t ticket = notices_.posted();
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    notices_.answered(ticket, std::nullopt);
    return;
  }
  const QString icon = QString::fromStdString(iconName_);
  QDBusMessage message = call(QStringLiteral("Notify"));
  message << QString::fromStdString(applicationName_) << 0U << icon
          << QString::fromStdString(notice.summary) << QString::fromStdString(notice.body)
          << QStringList()
          << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(kCritical)},
                         {QStringLiteral("desktop-entry"), icon}}
          << kNeverExpires;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), &replies_);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &replies_,
                   [this, ticket](QDBusPendingCallWatcher* finished) {
                     finished->deleteLater();
                     const QDBusPendingReply<unsigned> reply = *finished;
                     // No service: no notice.
                     const auto number =
                         reply.isError() ? std::nullopt : std::optional(reply.value());
                     if (const auto late = notices_.answered(ticket, number)) close(*late);
                   });
}

void DesktopNotifications::withdraw() {
  if (const auto number = notices_.withdrawn()) close(*number);
}

void DesktopNotifications::close(unsigned id) const {
  QDBusMessage message = call(QStringLiteral("CloseNotification"));
  message << id;
  QDBusConnection::sessionBus().asyncCall(message);
}

}  // namespace reminder
