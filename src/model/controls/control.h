#pragma once

#include <functional>
#include <string>

#include "model/controls/types.h"

namespace reminder {

class Form;
class Frame;
class ControlVisitor;

using Handler = std::function<void()>;
using PropertyObserver = std::function<void(Property)>;

// How a control looks; set once by its window's definition, never at run time.
struct ControlLayout {
  TwipRect rect;
  int tabIndex = -1;
  std::optional<Font> font;
  std::optional<Color> foreColor;
  std::optional<Color> backColor;
  std::string toolTip;
  bool flat = false;
  Frame* container = nullptr;  // null: the window's client area
};

// A control of a window: a name, a fixed layout and the run-time state its window's
// behaviour reads and writes. Code writes notify the view through one observer.
class Control {
 public:
  Control(Form& owner, std::string name);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  Control(Control&&) = delete;
  Control& operator=(Control&&) = delete;

  virtual void accept(ControlVisitor& visitor) = 0;

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] Form& owner() const { return owner_; }

  ControlLayout layout;

  [[nodiscard]] bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);

  void setObserver(PropertyObserver observer) { observer_ = std::move(observer); }

 protected:
  void notify(Property property) const;

 private:
  Form& owner_;
  std::string name_;
  bool enabled_ = true;
  bool visible_ = true;
  PropertyObserver observer_;
};

}  // namespace reminder
