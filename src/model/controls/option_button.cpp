#include "model/controls/option_button.h"

#include "model/controls/form.h"

namespace reminder {

void OptionButton::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void OptionButton::setValue(bool selected) {
  if (selected) {
    select();
  } else {
    unselect();
  }
}

void OptionButton::click() {
  if (!enabled() || !visible()) return;
  select();
}

void OptionButton::select() {
  for (OptionButton* sibling : owner().controlsOf<OptionButton>()) {
    if (sibling != this && sibling->layout.container == layout.container) sibling->unselect();
  }
  if (!value_) {
    value_ = true;
    notify(Property::Value);
  }
  if (onClick) onClick();
}

void OptionButton::unselect() {
  if (!value_) return;
  value_ = false;
  notify(Property::Value);
}

}  // namespace reminder
