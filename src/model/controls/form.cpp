#include "model/controls/form.h"

namespace reminder {

Form::Form(std::string name) : name_(std::move(name)) {}

void Form::show() {
  if (visible_) return;
  visible_ = true;
  notify(Property::Visible);
}

void Form::hide() {
  if (!visible_) return;
  visible_ = false;
  notify(Property::Visible);
}

void Form::callForAttention() const {
  if (visible_) notify(Property::Attention);
}

void Form::setWindowState(WindowState state) {
  if (windowState_ == state) return;
  windowState_ = state;
  notify(Property::WindowState);
}

}  // namespace reminder
