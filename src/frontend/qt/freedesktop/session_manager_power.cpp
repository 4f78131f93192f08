#include "frontend/qt/freedesktop/session_manager_power.h"

#include "frontend/qt/freedesktop/nobody_answers.h"
#include "frontend/qt/freedesktop/when_answered.h"

namespace reminder {

namespace {

constexpr int kPermissionTimeoutMs = 1000;
constexpr int kShuttingDownPollMs = 1000;

PowerOffVerdict cancelledBy(const SessionManager& manager) {
  return {false, std::string(manager.name) + " cancelled the shutdown"};
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
  const SessionManager& manager = kSessionManagers.at(index);
  switch (manager.cancelNotice) {
    case CancelNotice::ToRegisteredClient:
      asking_->client = std::make_unique<GnomeSessionClient>(
          appId_, GnomeSessionClient::Events{
                      [this, index](const QDBusError& error) {
                        answered(index, error, [this, index] { requestShutdown(index); });
                      },
                      [this] {
                        decideLater({true, {}});
                      },
                      [this, &manager] { decideLater(cancelledBy(manager)); }});
      return;
    case CancelNotice::Signal:
      // Listening before asking, so that no cancel can come unheard.
      asking_->cancelHook = std::make_unique<DBusSignalHook>(
          manager.cancelled, QString::fromLatin1(manager.cancelled.path),
          [this, &manager] { decideLater(cancelledBy(manager)); });
      break;
    case CancelNotice::ShuttingDownEnds:
      break;
  }
  requestShutdown(index);
}

void SessionManagerPower::requestShutdown(std::size_t index) {
  const SessionManager& manager = kSessionManagers.at(index);
  QDBusMessage call = manager.shutdown.methodCall();
  if (manager.shutdownTakesAllowSave) call << true;  // programs may save their work first
  whenAnswered<>(
      QDBusConnection::sessionBus(), call, &asking_->replies,
      [this, index, &manager](const QDBusPendingReply<>& reply) {
        answered(index, reply.error(), [this, &manager] { awaitTheSessionsEnd(manager); });
      },
      kProcessAnswerBoundMs);
}

void SessionManagerPower::answered(std::size_t index, const QDBusError& error,
                                   const std::function<void()>& then) {
  const SessionManager& manager = kSessionManagers.at(index);
  if (!error.isValid()) {
    then();
  } else if (nobodyAnswers(error)) {
    ask(index + 1);
  } else if (error.type() == QDBusError::NoReply) {
    decideLater({false, noAnswer(manager.name, kProcessAnswerBoundMs).error});
  } else {
    decideLater({false, std::string(manager.name) + " refused: " + error.message().toStdString()});
  }
}

void SessionManagerPower::awaitTheSessionsEnd(const SessionManager& manager) {
  asking_->bound.setSingleShot(true);
  QObject::connect(&asking_->bound, &QTimer::timeout, &asking_->replies, [this, &manager] {
    decideLater({false, std::string(manager.name) + " did not end the session within " +
                            std::to_string(endBoundMs_ / 1000) + " s"});
  });
  asking_->bound.start(endBoundMs_);
  if (manager.cancelNotice == CancelNotice::ShuttingDownEnds) pollShuttingDown(manager);
}

void SessionManagerPower::pollShuttingDown(const SessionManager& manager) {
  // It says it is shutting down while it asks the programs; back to no, the shutdown is off.
  const auto ask = [this, &manager] {
    whenAnswered<bool>(QDBusConnection::sessionBus(), manager.cancelled.methodCall(),
                       &asking_->replies, [this, &manager](const QDBusPendingReply<bool>& reply) {
                         if (reply.isError()) return;
                         if (reply.value()) {
                           asking_->shuttingDownSeen = true;
                         } else if (asking_->shuttingDownSeen) {
                           decideLater(cancelledBy(manager));
                         }
                       });
  };
  QObject::connect(&asking_->poll, &QTimer::timeout, &asking_->replies, ask);
  ask();
  asking_->poll.start(kShuttingDownPollMs);
}

void SessionManagerPower::decideLater(const PowerOffVerdict& verdict) {
  if (asking_ == nullptr || asking_->decided) return;
  asking_->decided = true;
  asking_->bound.stop();
  asking_->poll.stop();
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
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
      return reply.arguments().front().toBool() ? PowerOffPermission::Allowed
                                                : PowerOffPermission::Refused;
    }
  }
  return logind_.powerOffPermission();
}

}  // namespace reminder
