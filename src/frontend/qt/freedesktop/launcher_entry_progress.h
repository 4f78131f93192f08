#pragma once

#include <QString>
#include <QTimer>
#include <string>

#include "platform/taskbar_progress.h"

namespace reminder {

// The countdown's progress on the program's icon in the task manager or the dock, through the
// launcher entry signal that KDE Plasma's task manager, Ubuntu's dock and Dash to Dock follow
// (com.canonical.Unity.LauncherEntry on the session bus), addressed to the desktop entry.
// Without a bus or anyone listening, the signal goes nowhere. What changes within one turn
// of the event loop (the seconds a countdown catches up after a sleep) goes out as one signal.
class LauncherEntryProgress final : public TaskbarProgress {
 public:
  // `desktopFileName`: the desktop entry's name without ".desktop".
  explicit LauncherEntryProgress(const std::string& desktopFileName);

  void show(int secondsPassed, int secondsInAll) override;
  void showTimeUp() override;
  void clear() override;

 private:
  struct Entry {
    double progress = 0;
    bool visible = false;
    bool urgent = false;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  void update(const Entry& entry);
  void send();

  QString appUri_;
  Entry wanted_;
  Entry sent_;  // what the task manager shows, as far as it listens
  QTimer sending_;
};

}  // namespace reminder
