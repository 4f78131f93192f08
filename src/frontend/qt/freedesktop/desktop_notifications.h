#pragma once

#include <QObject>
#include <string>

#include "frontend/qt/freedesktop/notice_stack.h"
#include "platform/attention.h"

namespace reminder {

// Notices on the desktop's notification service (org.freedesktop.Notifications on the
// session bus). Without a bus or a service, nothing is shown and nothing is said.
class DesktopNotifications {
 public:
  DesktopNotifications(std::string applicationName, std::string iconName);

  // Posts `notice` as critical, so that it shows over full-screen programs where the desktop
  // allows it; it stays until withdrawn.
  void post(const DesktopNotice& notice);
  // Closes the newest notice still up; one whose number is still on its way is closed when it
  // comes.
  void withdraw();

 private:
  void close(unsigned id) const;

  std::string applicationName_;
  std::string iconName_;
  QObject replies_;  // the context of the pending replies: they go with this object
  NoticeStack notices_;
};

}  // namespace reminder
