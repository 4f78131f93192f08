#include "frontend/qt/freedesktop/session_managers.h"

namespace reminder {

QDBusMessage SessionBusMember::methodCall() const {
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(service), QString::fromLatin1(path),
                                     QString::fromLatin1(interface), QString::fromLatin1(name));
  // Only a session manager that runs counts: one the bus would start belongs to no session.
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

const std::array<SessionManager, 3> kSessionManagers{{
    // RequestShutdown, not Shutdown: the user confirmed at Start, so no dialog of GNOME's.
    {"GNOME's session manager",
     {kGnome, kGnomePath, kGnome, "RequestShutdown"},
     false,
     {kGnome, kGnomePath, kGnome, "CanShutdown"},
     CancelNotice::ToRegisteredClient,
     {kGnome, nullptr, kGnomeClientInterface, "CancelEndSession"}},
    // logoutAndShutdown, not the logout prompt. Plasma leaves the permission to logind.
    {"KDE Plasma's session manager",
     {"org.kde.Shutdown", "/Shutdown", "org.kde.Shutdown", "logoutAndShutdown"},
     false,
     {},
     CancelNotice::ShuttingDownEnds,
     {kKsmServer, "/KSMServer", "org.kde.KSMServerInterface", "isShuttingDown"}},
    {"Xfce's session manager",
     {kXfce, kXfcePath, kXfceInterface, "Shutdown"},
     true,
     {kXfce, kXfcePath, kXfceInterface, "CanShutdown"},
     CancelNotice::Signal,
     {kXfce, kXfcePath, kXfceInterface, "ShutdownCancelled"}},
}};

}  // namespace reminder
