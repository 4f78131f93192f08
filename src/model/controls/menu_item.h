#pragma once

#include <string>
#include <vector>

#include "model/controls/control.h"

namespace reminder {

class Form;

// An item of a window's menu bar or of one of its menus. Setting the check mark, the
// visibility or the caption from code raises nothing; only choosing the item raises Click.
class MenuItem {
 public:
  // A top-level item of `owner`'s menu bar.
  MenuItem(Form& owner, std::string name, std::string caption);
  // An item of the menu `parent`.
  MenuItem(MenuItem& parent, std::string name, std::string caption, std::string shortcut = {});
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  MenuItem(MenuItem&&) = delete;
  MenuItem& operator=(MenuItem&&) = delete;
  ~MenuItem() = default;

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] const std::string& caption() const { return caption_; }
  // Portable key text such as "F3", "Ctrl+I" or "Ctrl+Shift+F11"; empty when none.
  [[nodiscard]] const std::string& shortcut() const { return shortcut_; }
  [[nodiscard]] MenuItem* parent() const { return parent_; }
  [[nodiscard]] const std::vector<MenuItem*>& items() const { return items_; }

  [[nodiscard]] bool checked() const { return checked_; }
  void setChecked(bool checked);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  [[nodiscard]] bool enabled() const { return enabled_; }

  // The user chose the item (by the menu or its shortcut).
  void click();

  void setObserver(PropertyObserver observer) { observer_ = std::move(observer); }

  Handler onClick;

 private:
  void notify(Property property) const {
    if (observer_) observer_(property);
  }

  std::string name_;
  std::string caption_;
  std::string shortcut_;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
  bool checked_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  PropertyObserver observer_;
};

}  // namespace reminder
