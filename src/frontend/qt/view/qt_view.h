#pragma once

#include <memory>
#include <vector>

class QWidget;

namespace reminder {
class Form;
}

namespace reminder::view {

class FormWindow;

// Renders each window of the program as it comes into being, and keeps them all.
class QtView {
 public:
  QtView();
  ~QtView();
  QtView(const QtView&) = delete;
  QtView& operator=(const QtView&) = delete;
  QtView(QtView&&) = delete;
  QtView& operator=(QtView&&) = delete;

  void render(Form& form);

  // The rendered window of `form`, or null.
  [[nodiscard]] FormWindow* windowOf(const Form& form) const;
  // Where a message box belongs: the window of `owner` when it is on screen, else the active
  // window of the program, else the main window.
  [[nodiscard]] QWidget* dialogParent(const Form* owner) const;

 private:
  std::vector<std::unique_ptr<FormWindow>> windows_;
};

}  // namespace reminder::view
