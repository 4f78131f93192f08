#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "frontend/win32/view/appearance.h"
#include "frontend/win32/view/child_control.h"
#include "frontend/win32/view/menu_bar.h"
#include "frontend/win32/view/owned_objects.h"
#include "frontend/win32/win32_headers.h"

namespace reminder {
class Form;
class Line;
}  // namespace reminder

namespace reminder::view {

// One window of the program, built from its definition: a fixed frame of the definition's
// kind, the menu bar, one child window per control in the keyboard order of the definition,
// and the lines, painted on the client area. It shows, hides and minimises as the form does,
// follows the DPI of the monitor it is on, and hands a close from the frame back to the
// form's behaviour; it is never destroyed while the program runs.
class FormWindow {
 public:
  // `owner`: the main window, for windows that keep out of the task bar.
  FormWindow(Form& form, HINSTANCE instance, HWND owner);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  FormWindow(FormWindow&&) = delete;
  FormWindow& operator=(FormWindow&&) = delete;

  [[nodiscard]] Form& form() const { return form_; }
  [[nodiscard]] HWND hwnd() const { return hwnd_; }

  // Lets the window's shortcuts and dialog keys (Tab, arrows, Enter) take a message of the
  // loop meant for it or one of its controls; true: taken, not to be dispatched.
  bool preTranslate(MSG& message);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> fromControl(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> paint(UINT message, WPARAM wParam);
  std::optional<LRESULT> fromFrame(UINT message, WPARAM wParam, LPARAM lParam);
  void restoreFocus();

  void buildControls();
  void orderForKeyboard();
  void fitFrameToClient();
  void showAsForm();
  void comeForward();
  void placeForShowing();
  void changeDpi(int dpi, const RECT* suggested);
  void showIcons();
  void paintLines(HDC dc) const;
  void invalidateLine(const Line& line) const;
  [[nodiscard]] ChildControl* childOf(HWND window) const;

  Form& form_;
  HINSTANCE instance_;
  HWND mainWindow_;  // null for the main window itself
  HWND hwnd_ = nullptr;
  std::optional<WindowName> name_;
  Owned<HICON> bigIcon_;
  Owned<HICON> smallIcon_;
  HWND toolTips_ = nullptr;
  int dpi_ = 96;
  Appearance appearance_;
  std::unique_ptr<Surface> surface_;
  std::unique_ptr<MenuBar> menuBar_;
  std::vector<std::unique_ptr<ChildControl>> children_;
  std::vector<Line*> lines_;
  HWND lastFocus_ = nullptr;
  bool placed_ = false;
};

}  // namespace reminder::view
