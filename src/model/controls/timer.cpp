#include "model/controls/timer.h"

#include "model/controls/form.h"

namespace reminder {

Timer::Timer(Form& owner, std::string name, int interval, bool enabled)
    : name_(std::move(name)), interval_(interval), enabled_(enabled) {
  owner.adopt(*this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Timer::setInterval(int milliseconds) {
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  notify(Property::Interval);
}

}  // namespace reminder
