#pragma once

#include <string>
#include <vector>

#include "model/controls/control.h"
#include "model/controls/menu_item.h"
#include "model/controls/timer.h"

namespace reminder {

enum class FormBorder : std::uint8_t { FixedSingle, FixedDialog, FixedToolWindow };
enum class StartPosition : std::uint8_t { SystemDefault, CenterOwner };
enum class WindowState : std::uint8_t { Normal, Minimized };

// A window: its fixed frame and its controls, timers and menu bar in definition order.
// It is shown and hidden, never destroyed, and keeps every control value while hidden.
class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  Form(Form&&) = delete;
  Form& operator=(Form&&) = delete;

  [[nodiscard]] const std::string& name() const { return name_; }

  // The window's definition, set once by the window's own constructor.
  std::string caption;
  FormBorder border = FormBorder::FixedSingle;
  bool showInTaskbar = true;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  std::optional<Color> backColor;
  std::optional<Color> foreColor;
  std::string icon;  // resource name; empty: none of its own
  StartPosition startPosition = StartPosition::SystemDefault;
  // Shown without an owner window: it comes up whatever the main window does, minimised
  // included. Otherwise a window outside the task bar belongs to the main window.
  bool ownerless = false;
  // While shown, stays above every other window, a focused full-screen one included.
  bool topMost = false;

  [[nodiscard]] bool visible() const { return visible_; }
  void show();
  void hide();
  [[nodiscard]] WindowState windowState() const { return windowState_; }
  void setWindowState(WindowState state);
  // Brings the shown window to the front and asks for it to be activated and take the
  // keyboard; where the desktop refuses, the main window's task-bar entry asks for
  // attention instead.
  void callForAttention() const;

  // The user asked the window's frame to close it; the window decides what that means.
  void requestClose() {
    if (onCloseRequest) onCloseRequest();
  }
  Handler onCloseRequest;

  [[nodiscard]] const std::vector<Control*>& controls() const { return controls_; }
  [[nodiscard]] const std::vector<Timer*>& timers() const { return timers_; }
  [[nodiscard]] const std::vector<MenuItem*>& menuBar() const { return menuBar_; }

  template <typename Kind>
  [[nodiscard]] std::vector<Kind*> controlsOf() const {
    std::vector<Kind*> found;
    for (Control* control : controls_) {
      if (auto* match = dynamic_cast<Kind*>(control)) found.push_back(match);
    }
    return found;
  }

  void setObserver(PropertyObserver observer) { observer_ = std::move(observer); }

  // Registration, called by the constructors of the window's members.
  void adopt(Control& control) { controls_.push_back(&control); }
  void adopt(Timer& timer) { timers_.push_back(&timer); }
  void adopt(MenuItem& item) { menuBar_.push_back(&item); }

 private:
  void notify(Property property) const {
    if (observer_) observer_(property);
  }

  std::string name_;
  bool visible_ = false;
  WindowState windowState_ = WindowState::Normal;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  std::vector<MenuItem*> menuBar_;
  PropertyObserver observer_;
};

}  // namespace reminder
