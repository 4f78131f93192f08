#pragma once

#include "behaviour/app/timer_binding.h"
#include "model/context/context.h"

namespace reminder {

// The running program: its windows, their behaviour and their timers on one platform.
class Program {
 public:
  // `onFormCreated` lets a view render each window as it comes into being.
  explicit Program(Platform& platform, Windows::CreatedHook onFormCreated = {});

  // Builds the main window, runs its Form_Load and shows it.
  void start();

  Windows& windows() { return windows_; }
  Context& context() { return context_; }

 private:
  void created(Form& form);

  Windows::CreatedHook onFormCreated_;
  TimerBinding timers_;
  Windows windows_;
  Context context_;
};

}  // namespace reminder
