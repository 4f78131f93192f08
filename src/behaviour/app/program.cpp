#include "behaviour/app/program.h"

#include "behaviour/app/shell.h"
#include "behaviour/app/wiring.h"

namespace reminder {

Program::Program(Platform& platform, Windows::CreatedHook onFormCreated)
    : onFormCreated_(std::move(onFormCreated)),
      timers_(platform.timers, platform.monotonic),
      windows_([this](Form& form) { created(form); }),
      context_{windows_, platform} {}

void Program::start() {
  Form1& form = windows_.form1();
  shell::Form_Load(context_);
  form.show();
}

void Program::created(Form& form) {
  attachBehaviour(context_, form);
  timers_.bind(form);
  if (onFormCreated_) onFormCreated_(form);
}

}  // namespace reminder
