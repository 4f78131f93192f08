#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "frontend/qt/freedesktop/session_managers.h"

namespace reminder {

// Calls a function each time a signal comes on the session bus, for as long as it lives. The
// signal's arguments are not read. Not to be destroyed from inside that function.
class DBusSignalHook final : public QObject {
  Q_OBJECT

 public:
  // `path` stands for the signal's own path where that has none (a registered client's).
  DBusSignalHook(const SessionBusMember& signal, const QString& path,
                 std::function<void()> onSignal);
  ~DBusSignalHook() override;
  DBusSignalHook(const DBusSignalHook&) = delete;
  DBusSignalHook& operator=(const DBusSignalHook&) = delete;

 private slots:  // NOLINT(readability-redundant-access-specifiers): moc's section
  void fired();

 private:
  SessionBusMember signal_;
  QString path_;
  std::function<void()> onSignal_;
};

}  // namespace reminder
