#pragma once

namespace reminder {

// How far the countdown has come, on the program's button in the task bar (or its icon in
// the dock), for a user who has put the window away. A courtesy like the desktop's
// attention: where no task bar shows it, the calls do nothing and report nothing.
class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  // `secondsPassed` of the countdown's `secondsInAll` have passed.
  virtual void show(int secondsPassed, int secondsInAll) = 0;
  // The countdown's time is up and its reminder waits for the user: the progress stands
  // still, and asks to be looked at where the task bar can.
  virtual void showTimeUp() = 0;
  // No countdown runs: the button shows no progress.
  virtual void clear() = 0;
};

}  // namespace reminder
