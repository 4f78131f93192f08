#include "frontend/qt/freedesktop/logind_power.h"

#include "frontend/qt/freedesktop/dbus_answer.h"
#include "frontend/qt/freedesktop/permission_answers.h"
#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

QDBusMessage managerCall(const char* method) {
  return QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QString::fromLatin1(method));
}

}  // namespace

LogindPower::LogindPower(ProcessWatcher& watcher)
    : commands_(watcher, {"systemctl poweroff", "shutdown -h now"}) {}

void LogindPower::requestPowerOff(VerdictHandler handler) {
  if (!waiters_.add(std::move(handler))) return;
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) {
    withoutLogind();
    return;
  }
  QDBusMessage call = managerCall("PowerOff");
  call << false;  // interactive: no password dialog; a refusal comes back as an error
  const auto decide = [this](const PowerOffVerdict& verdict) { waiters_.decide(verdict); };
  whenAnswered<>(
      bus, call, &replies_,
      [this, decide](const QDBusPendingReply<>& reply) {
        followAnswer(reply.error(), "logind", kProcessAnswerBoundMs,
                     {[decide] {
                        decide({true, {}});
                      },
                      [this] { withoutLogind(); }, decide});
      },
      kProcessAnswerBoundMs);
}

void LogindPower::withoutLogind() {
  commands_.requestPowerOff([this](const PowerOffVerdict& verdict) { waiters_.decide(verdict); });
}

PowerOffPermission LogindPower::powerOffPermission() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return PowerOffPermission::Unknown;
  const QDBusMessage reply =
      bus.call(managerCall("CanPowerOff"), QDBus::Block, kPermissionTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return PowerOffPermission::Unknown;
  }
  return fromCanPowerOff(reply.arguments().front().toString());
}

}  // namespace reminder
