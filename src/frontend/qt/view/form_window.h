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
  // `mainWindow` owns a window outside the task bar, unless it is shown without an owner, and
  // asks for attention for a window that demands it but is refused the activation.
  // `drawsTitleBar` where the desktop leaves the title bar to the program.
  FormWindow(Form& form, QWidget* mainWindow, bool drawsTitleBar);

  [[nodiscard]] Form& form() const { return form_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void showAsForm();
  void placeOnFirstShow();
  void comeForward();
  void buildTitleAndMenuBars();

  Form& form_;
  QWidget* mainWindow_;
  bool drawsTitleBar_;
  bool placed_ = false;
};

}  // namespace reminder::view
