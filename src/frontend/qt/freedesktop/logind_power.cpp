#include "frontend/qt/freedesktop/logind_power.h"

#include "frontend/qt/freedesktop/nobody_answers.h"
#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

constexpr int kPermissionTimeoutMs = 1000;

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
  whenAnswered<>(
      bus, call, &replies_,
      [this](const QDBusPendingReply<>& reply) {
        if (!reply.isError()) {
          waiters_.decide({true, {}});
        } else if (nobodyAnswers(reply.error())) {
          withoutLogind();
        } else if (reply.error().type() == QDBusError::NoReply) {
          waiters_.decide({false, noAnswer("logind", kProcessAnswerBoundMs).error});
        } else {
          waiters_.decide({false, reply.error().message().toStdString()});
        }
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
  const QString answer = reply.arguments().front().toString();
  if (answer == QLatin1String("yes")) return PowerOffPermission::Allowed;
  if (answer == QLatin1String("challenge")) return PowerOffPermission::NeedsAuthentication;
  if (answer == QLatin1String("no")) return PowerOffPermission::Refused;
  if (answer == QLatin1String("na")) return PowerOffPermission::NotAvailable;
  return PowerOffPermission::Unknown;
}

}  // namespace reminder
