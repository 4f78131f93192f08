#include "model/controls/menu_item.h"

#include "model/controls/form.h"

namespace reminder {

MenuItem::MenuItem(Form& owner, std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {
  owner.adopt(*this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption, std::string shortcut)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      shortcut_(std::move(shortcut)),
      parent_(&parent) {
  parent.items_.push_back(this);
}

void MenuItem::setChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  notify(Property::Checked);
}

void MenuItem::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  notify(Property::Visible);
}

void MenuItem::click() {
  if (!enabled_ || !visible_) return;
  if (onClick) onClick();
}

}  // namespace reminder
