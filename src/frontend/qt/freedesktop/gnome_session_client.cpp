#include "frontend/qt/freedesktop/gnome_session_client.h"

#include <QDBusObjectPath>
#include <QProcessEnvironment>

#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

QDBusMessage call(const char* path, const char* interface, const char* method) {
  return SessionBusMember{kGnomeSessionManager, path, interface, method}.methodCall();
}

QDBusMessage managerCall(const char* method) {
  return call(kGnomeSessionManagerPath, kGnomeSessionManager, method);
}

}  // namespace

GnomeSessionClient::GnomeSessionClient(const QString& appId, Events events)
    : events_(std::move(events)) {
  QDBusMessage registration = managerCall("RegisterClient");
  // The startup id that the session gave the program, when it started it.
  registration << appId
               << QProcessEnvironment::systemEnvironment().value(
                      QStringLiteral("DESKTOP_AUTOSTART_ID"));
  whenAnswered<QDBusObjectPath>(QDBusConnection::sessionBus(), registration, &replies_,
                                [this](const QDBusPendingReply<QDBusObjectPath>& reply) {
                                  if (!reply.isError()) listen(reply.value().path());
                                  events_.registered(reply.error());
                                });
}

GnomeSessionClient::~GnomeSessionClient() {
  if (path_.isEmpty()) return;
  QDBusMessage unregistration = managerCall("UnregisterClient");
  unregistration << QVariant::fromValue(QDBusObjectPath(path_));
  QDBusConnection::sessionBus().asyncCall(unregistration);
}

void GnomeSessionClient::listen(const QString& path) {
  path_ = path;
  const auto hook = [this](const char* signal, std::function<void()> onSignal) {
    hooks_.push_back(std::make_unique<DBusSignalHook>(
        SessionBusMember{kGnomeSessionManager, nullptr, kGnomeClientInterface, signal}, path_,
        std::move(onSignal)));
  };
  hook("QueryEndSession", [this] { agree(); });
  // Not yet the end, which is Stop: mate-session still takes a program's late cancel.
  hook("EndSession", [this] { agree(); });
  hook("Stop", [this] { events_.sessionEnds(); });
  hook("CancelEndSession", [this] { events_.cancelled(); });
}

void GnomeSessionClient::agree() {
  const QByteArray path = path_.toLatin1();
  QDBusMessage response = call(path.constData(), kGnomeClientInterface, "EndSessionResponse");
  response << true << QString();
  QDBusConnection::sessionBus().asyncCall(response);
}

}  // namespace reminder
