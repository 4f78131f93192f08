#include "frontend/qt/freedesktop/session_managers.h"

namespace reminder {

QDBusMessage SessionBusMember::methodCall() const {
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(service), QString::fromLatin1(path),
                                     QString::fromLatin1(interface), QString::fromLatin1(name));
  call.setAutoStartService(false);
  return call;
}

namespace {

constexpr const char* kGnome = kGnomeSessionManager;
constexpr const char* kGnomePath = kGnomeSessionManagerPath;
constexpr const char* kXfce = "org.xfce.SessionManager";
constexpr const char* kXfcePath = "/org/xfce/SessionManager";
constexpr const char* kXfceInterface = "org.xfce.Session.Manager";
constexpr const char* kKsmServer = "org.kde.ksmserver";

}  // namespace

const std::array<SessionManager, 4> kSessionManagers{{
    // RequestShutdown, which MATE's and Cinnamon's have and GNOME's has not: the programs are
    // asked, with no dialog (their Shutdown shows one and answers at once, telling nothing).
    // They say whether the session ends only to their registered clients.
    {"MATE's or Cinnamon's session manager",
     kGnome,
     {kGnome, kGnomePath, kGnome, "RequestShutdown"},
     false,
     {},  // GNOME's CanShutdown below answers for them
     SessionEndNotice::ToRegisteredClient,
     {}},
    // Shutdown, as GNOME's Power Off: with GNOME's logout prompt on (its default), GNOME's
    // own dialog, the desktop's last word, which powers off by itself after 60 s.
    {"GNOME's session manager",
     kGnome,
     {kGnome, kGnomePath, kGnome, "Shutdown"},
     false,
     {kGnome, kGnomePath, kGnome, "CanShutdown"},
     SessionEndNotice::ShutdownsAnswer,
     {}},
    // plasma-shutdown, which the bus starts, ends the session through ksmserver and KWin.
    // Plasma leaves the permission to logind.
    {"KDE Plasma's session manager",
     kKsmServer,
     {"org.kde.Shutdown", "/Shutdown", "org.kde.Shutdown", "logoutAndShutdown"},
     false,
     {},
     SessionEndNotice::HelperLeaves,
     {kKsmServer, "/KSMServer", "org.kde.KSMServerInterface", "isShuttingDown"}},
    {"Xfce's session manager",
     kXfce,
     {kXfce, kXfcePath, kXfceInterface, "Shutdown"},
     true,
     {kXfce, kXfcePath, kXfceInterface, "CanShutdown"},
     SessionEndNotice::Signal,
     {kXfce, kXfcePath, kXfceInterface, "ShutdownCancelled"}},
}};

}  // namespace reminder
