#include "model/controls/control.h"

#include "model/controls/form.h"

namespace reminder {

Control::Control(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {
  owner.adopt(*this);
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Property::Visible);
}

void Control::notify(Property property) const {
  if (observer_) observer_(property);
}

}  // namespace reminder
