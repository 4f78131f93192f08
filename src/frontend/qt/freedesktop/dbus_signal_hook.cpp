#include "frontend/qt/freedesktop/dbus_signal_hook.h"

#include <QDBusConnection>

namespace reminder {

DBusSignalHook::DBusSignalHook(const SessionBusMember& signal, const QString& path,
                               std::function<void()> onSignal)
    : signal_(signal), path_(path), onSignal_(std::move(onSignal)) {
  QDBusConnection::sessionBus().connect(QString::fromLatin1(signal_.service), path_,
                                        QString::fromLatin1(signal_.interface),
                                        QString::fromLatin1(signal_.name), this, SLOT(fired()));
}

DBusSignalHook::~DBusSignalHook() {
  QDBusConnection::sessionBus().disconnect(QString::fromLatin1(signal_.service), path_,
                                           QString::fromLatin1(signal_.interface),
                                           QString::fromLatin1(signal_.name), this, SLOT(fired()));
}

void DBusSignalHook::fired() {
  onSignal_();
}

}  // namespace reminder
