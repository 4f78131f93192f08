#include "frontend/qt/freedesktop/desktop_awake_hold.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>
#include <array>
#include <memory>
#include <utility>

#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

constexpr unsigned kSuspendFlag = 4;  // the portal's and GNOME's flag for suspending

struct Service {
  QDBusConnection (*bus)();
  const char* name;
  const char* path;
  const char* interface;
};

QDBusMessage call(const Service& service, const QString& method, const QVariantList& arguments) {
  QDBusMessage message = QDBusMessage::createMethodCall(
      QString::fromLatin1(service.name), QString::fromLatin1(service.path),
      QString::fromLatin1(service.interface), method);
  message.setArguments(arguments);
  // Only a service that runs counts: asking must not start one.
  message.setAutoStartService(false);
  return message;
}

// Lets go of a cookie with the service's own method.
DesktopAwakeHold::LetGo byCookie(const Service& service, const char* method,
                                 const QDBusMessage& reply) {
  const QVariant cookie = reply.arguments().value(0);
  return [&service, method, cookie] {
    service.bus().send(call(service, QString::fromLatin1(method), {cookie}));
  };
}

const Service kPortal{&QDBusConnection::sessionBus, "org.freedesktop.portal.Desktop",
                      "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit"};
const Service kGnome{&QDBusConnection::sessionBus, "org.gnome.SessionManager",
                     "/org/gnome/SessionManager", "org.gnome.SessionManager"};
const Service kPowerManager{&QDBusConnection::sessionBus, "org.freedesktop.PowerManagement",
                            "/org/freedesktop/PowerManagement/Inhibit",
                            "org.freedesktop.PowerManagement.Inhibit"};
const Service kLogind{&QDBusConnection::systemBus, "org.freedesktop.login1",
                      "/org/freedesktop/login1", "org.freedesktop.login1.Manager"};

struct Way {
  const Service& service;
  QVariantList (*arguments)(const QString& appId, const QString& reason);
  DesktopAwakeHold::LetGo (*taken)(const QDBusMessage& reply);
};

const std::array kWays{
    Way{kPortal,
        [](const QString&, const QString& reason) {
          return QVariantList{QString(), kSuspendFlag,
                              QVariantMap{{QStringLiteral("reason"), reason}}};
        },
        [](const QDBusMessage& reply) -> DesktopAwakeHold::LetGo {
          const QString handle = reply.arguments().value(0).value<QDBusObjectPath>().path();
          return [handle] {
            QDBusConnection::sessionBus().send(QDBusMessage::createMethodCall(
                QString::fromLatin1(kPortal.name), handle,
                QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")));
          };
        }},
    Way{kGnome,
        [](const QString& appId, const QString& reason) {
          return QVariantList{appId, 0U, reason, kSuspendFlag};
        },
        [](const QDBusMessage& reply) { return byCookie(kGnome, "Uninhibit", reply); }},
    Way{kPowerManager,
        [](const QString& appId, const QString& reason) {
          return QVariantList{appId, reason};
        },
        [](const QDBusMessage& reply) { return byCookie(kPowerManager, "UnInhibit", reply); }},
    Way{kLogind,
        [](const QString& appId, const QString& reason) {
          return QVariantList{QStringLiteral("idle"), appId, reason, QStringLiteral("block")};
        },
        [](const QDBusMessage& reply) -> DesktopAwakeHold::LetGo {
          // The lock lasts while the descriptor is open; closing it lets go.
          auto lock = std::make_shared<QDBusUnixFileDescriptor>(
              reply.arguments().value(0).value<QDBusUnixFileDescriptor>());
          return [lock] { *lock = QDBusUnixFileDescriptor(); };
        }},
};

}  // namespace

DesktopAwakeHold::DesktopAwakeHold(const std::string& appId)
    : appId_(QString::fromStdString(appId)) {}

void DesktopAwakeHold::hold(const std::string& reason) {
  if (reason == reason_) return;
  release();
  reason_ = reason;
  ask(0);
}

void DesktopAwakeHold::release() {
  ++asking_;
  reason_.clear();
  if (letGo_) std::exchange(letGo_, nullptr)();
}

void DesktopAwakeHold::ask(std::size_t way) {
  if (way == kWays.size()) return;
  const Way& next = kWays.at(way);
  const QDBusMessage message = call(next.service, QStringLiteral("Inhibit"),
                                    next.arguments(appId_, QString::fromStdString(reason_)));
  whenAnswered<>(next.service.bus(), message, &answers_,
                 [this, way, asked = asking_](const QDBusPendingReply<>& reply) {
                   if (reply.isError()) {
                     if (asked == asking_) ask(way + 1);
                     return;
                   }
                   LetGo letGo = kWays.at(way).taken(reply.reply());
                   if (asked != asking_) {
                     letGo();  // let go of, or held for another reason, meanwhile
                     return;
                   }
                   letGo_ = std::move(letGo);
                 });
}

}  // namespace reminder
