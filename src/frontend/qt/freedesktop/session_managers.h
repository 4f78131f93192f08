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

  [[nodiscard]] QDBusMessage methodCall() const;
};

// How a session manager tells that the shutdown it was asked for did not happen.
enum class CancelNotice : std::uint8_t {
  ToRegisteredClient,  // CancelEndSession to each client registered with RegisterClient
  Signal,              // `cancelled` is a signal of the session manager's own
  ShuttingDownEnds,    // `cancelled` is a method saying whether it is shutting down
};

// A desktop's session manager, asked as that desktop's own Power Off asks it once the user
// has confirmed: every program with unsaved work gets its say before the computer powers off.
struct SessionManager {
  const char* name;  // as a failure names it
  SessionBusMember shutdown;
  bool shutdownTakesAllowSave;
  SessionBusMember canShutdown;  // answers a boolean
  CancelNotice cancelNotice;
  SessionBusMember cancelled;
};

// GNOME's (which MATE, Budgie and Cinnamon offer too), KDE Plasma's and Xfce's, in the order
// they are looked for.
extern const std::array<SessionManager, 3> kSessionManagers;

// GNOME's session manager, and the side of it that a registered client sees.
inline constexpr const char* kGnomeSessionManager = "org.gnome.SessionManager";
inline constexpr const char* kGnomeSessionManagerPath = "/org/gnome/SessionManager";
inline constexpr const char* kGnomeClientInterface = "org.gnome.SessionManager.ClientPrivate";

}  // namespace reminder
