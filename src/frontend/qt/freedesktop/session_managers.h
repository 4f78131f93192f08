#pragma once

#include <QDBusMessage>
#include <array>
#include <cstdint>

namespace reminder {

// A method or a signal of a desktop's session manager on the session bus.
struct SessionBusMember {
  const char* service = nullptr;  // none: the session manager does not offer it
  const char* path = nullptr;
  const char* interface = nullptr;
  const char* name = nullptr;

  // Sent only to a service that runs: one the bus would start belongs to no session.
  [[nodiscard]] QDBusMessage methodCall() const;
};

// How a session manager tells whether the shutdown it agreed to is going ahead.
enum class SessionEndNotice : std::uint8_t {
  ToRegisteredClient,  // EndSession, or CancelEndSession, to each client registered with it
  ShutdownsAnswer,     // its answer to `shutdown` comes when the session ends, an error if not
  Signal,              // `cancelled` is a signal of the session manager's own
  // `shutdown`'s helper, which the bus starts, leaves the bus when it is done: at once when
  // the end is cancelled; `cancelled` is a method saying whether it is still shutting down
  HelperLeaves,
};

// A desktop's session manager, asked as that desktop's own Power Off asks it: every program
// with unsaved work gets its say before the computer powers off.
struct SessionManager {
  const char* name;           // as a failure names it
  const char* runsAs;         // the bus name that says the session manager runs
  SessionBusMember shutdown;  // the bus may start its service (Plasma's plasma-shutdown)
  bool shutdownTakesAllowSave;
  SessionBusMember canShutdown;  // answers a boolean, or (GNOME's since 50) a number
  SessionEndNotice notice;
  SessionBusMember cancelled;
};

// MATE's or Cinnamon's, GNOME's (Budgie's too), KDE Plasma's and Xfce's, in the order they are
// looked for.
extern const std::array<SessionManager, 4> kSessionManagers;

// The session manager that GNOME, MATE and Cinnamon name alike, and the side of it that a
// registered client sees.
inline constexpr const char* kGnomeSessionManager = "org.gnome.SessionManager";
inline constexpr const char* kGnomeSessionManagerPath = "/org/gnome/SessionManager";
inline constexpr const char* kGnomeClientInterface = "org.gnome.SessionManager.ClientPrivate";

}  // namespace reminder
