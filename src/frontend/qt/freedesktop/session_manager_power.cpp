#include "frontend/qt/freedesktop/session_manager_power.h"

#include "frontend/qt/freedesktop/dbus_answer.h"
#include "frontend/qt/freedesktop/permission_answers.h"
#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

PowerOffVerdict cancelledBy(const SessionManager& manager) {
  return {false, std::string(manager.name) + " cancelled the shutdown"};
}

QDBusMessage nameHasOwner(const char* name) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
  call << QString::fromLatin1(name);
  return call;
}

}  // namespace

void SessionManagerPower::requestPowerOff(VerdictHandler handler) {
  if (!waiters_.add(std::move(handler))) return;
  asking_ = std::make_unique<Asking>();
  // Without a session bus there is no desktop session to ask.
  ask(QDBusConnection::sessionBus().isConnected() ? 0 : kSessionManagers.size());
}

void SessionManagerPower::ask(std::size_t index) {
  if (index == kSessionManagers.size()) {
    logind_.requestPowerOff([this](const PowerOffVerdict& verdict) { decideLater(verdict); });
    return;
  }
  const char* name = kSessionManagers.at(index).runsAs;
  whenAnswered<bool>(QDBusConnection::sessionBus(), nameHasOwner(name), &asking_->replies,
                     [this, index](const QDBusPendingReply<bool>& runs) {
                       if (!runs.isError() && runs.value()) {
                         listen(index);
                       } else {
                         ask(index + 1);
                       }
                     });
}

void SessionManagerPower::listen(std::size_t index) {
  const SessionManager& manager = kSessionManagers.at(index);
  const PowerOffVerdict cancelled = cancelledBy(manager);
  switch (manager.notice) {
    case SessionEndNotice::ToRegisteredClient:
      asking_->client = std::make_unique<GnomeSessionClient>(
          appId_, GnomeSessionClient::Events{
                      [this, index, &manager](const QDBusError& error) {
                        followAnswer(error, manager.name, kProcessAnswerBoundMs,
                                     {[this, index] { requestShutdown(index); },
                                      [this, index] { ask(index + 1); },
                                      [this](const PowerOffVerdict& v) { decideLater(v); }});
                      },
                      [this] {
                        decideLater({true, {}});
                      },
                      [this, cancelled] { decideLater(cancelled); }});
      return;
    case SessionEndNotice::Signal:
      // Listening before asking, so that no cancel can come unheard.
      asking_->cancelHook = std::make_unique<DBusSignalHook>(
          manager.cancelled, QString::fromLatin1(manager.cancelled.path),
          [this, cancelled] { decideLater(cancelled); });
      break;
    case SessionEndNotice::HelperLeaves:
      // Had the session ended, this program would have gone with it before the helper.
      asking_->helperGone = std::make_unique<QDBusServiceWatcher>(
          QString::fromLatin1(manager.shutdown.service), QDBusConnection::sessionBus(),
          QDBusServiceWatcher::WatchForUnregistration);
      QObject::connect(asking_->helperGone.get(), &QDBusServiceWatcher::serviceUnregistered,
                       &asking_->replies, [this, &manager] { askShuttingDown(manager); });
      break;
    case SessionEndNotice::ShutdownsAnswer:
      break;
  }
  requestShutdown(index);
}

void SessionManagerPower::requestShutdown(std::size_t index) {
  const SessionManager& manager = kSessionManagers.at(index);
  QDBusMessage call = manager.shutdown.methodCall();
  call.setAutoStartService(true);  // the session manager runs; its helper may not yet
  if (manager.shutdownTakesAllowSave) call << true;  // programs may save their work first
  const bool answerIsTheVerdict = manager.notice == SessionEndNotice::ShutdownsAnswer;
  const int boundMs = answerIsTheVerdict ? kUntilTheSessionEnds : kProcessAnswerBoundMs;
  const auto decide = [this](const PowerOffVerdict& verdict) { decideLater(verdict); };
  const auto agreed = [answerIsTheVerdict, decide] {
    if (answerIsTheVerdict) decide({true, {}});
  };
  const auto notHere = [this, index] {
    asking_->client.reset();
    asking_->cancelHook.reset();
    asking_->helperGone.reset();
    ask(index + 1);
  };
  whenAnswered<>(
      QDBusConnection::sessionBus(), call, &asking_->replies,
      [=, &manager](const QDBusPendingReply<>& reply) {
        followAnswer(reply.error(), manager.name, boundMs, {agreed, notHere, decide});
      },
      boundMs);
}

void SessionManagerPower::askShuttingDown(const SessionManager& manager) {
  whenAnswered<bool>(QDBusConnection::sessionBus(), manager.cancelled.methodCall(),
                     &asking_->replies, [this, &manager](const QDBusPendingReply<bool>& reply) {
                       // No answer: the session manager went with the session.
                       if (!reply.isError() && !reply.value()) decideLater(cancelledBy(manager));
                     });
}

void SessionManagerPower::decideLater(const PowerOffVerdict& verdict) {
  if (asking_ == nullptr || asking_->decided) return;
  asking_->decided = true;
  QMetaObject::invokeMethod(
      &decisions_,
      [this, verdict] {
        asking_.reset();
        waiters_.decide(verdict);
      },
      Qt::QueuedConnection);
}

PowerOffPermission SessionManagerPower::powerOffPermission() {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  for (const SessionManager& manager : kSessionManagers) {
    if (!bus.isConnected() || manager.canShutdown.service == nullptr) continue;
    const QDBusMessage reply =
        bus.call(manager.canShutdown.methodCall(), QDBus::Block, kPermissionTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) continue;
    if (const auto permission = fromCanShutdown(reply.arguments().front())) return *permission;
  }
  return logind_.powerOffPermission();
}

}  // namespace reminder
