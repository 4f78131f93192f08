#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace reminder {

// Sends `call` on `bus` and hands its reply (or its error) to `then` from the event loop,
// unless `context` has gone by then. `timeoutMs` -1 is the bus's own bound.
template <typename... Reply, typename Then>
void whenAnswered(const QDBusConnection& bus, const QDBusMessage& call, const QObject* context,
                  Then then, int timeoutMs = -1) {
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                   [then](QDBusPendingCallWatcher* answered) {
                     answered->deleteLater();
                     then(QDBusPendingReply<Reply...>(*answered));
                   });
}

}  // namespace reminder
