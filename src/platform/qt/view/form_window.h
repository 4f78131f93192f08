#pragma once

#include <QMainWindow>

namespace reminder {
class Form;
}

namespace reminder::view {

// One window of the program, built from its definition: a fixed-size frame, the menu bar,
// the client area with its controls and lines. It shows, hides and minimises as the window
// does, and hands a close from the frame back to the window's behaviour.
class FormWindow final : public QMainWindow {
 public:
  FormWindow(Form& form, QWidget* owner);

  [[nodiscard]] Form& form() const { return form_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void showAsForm();
  void placeOnFirstShow();

  Form& form_;
  bool placed_ = false;
};

}  // namespace reminder::view
