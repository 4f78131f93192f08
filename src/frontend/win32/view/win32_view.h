#pragma once

#include <memory>
#include <vector>

#include "frontend/win32/win32_headers.h"

namespace reminder {
class Form;
}

namespace reminder::view {

class FormWindow;

// Renders each window of the program as it comes into being, as real Win32 windows and
// controls, and keeps them all.
class Win32View {
 public:
  explicit Win32View(HINSTANCE instance);
  ~Win32View();
  Win32View(const Win32View&) = delete;
  Win32View& operator=(const Win32View&) = delete;
  Win32View(Win32View&&) = delete;
  Win32View& operator=(Win32View&&) = delete;

  void render(Form& form);

  // The window of `form`, or null.
  [[nodiscard]] HWND windowOf(const Form& form) const;
  // Where a message box belongs: the window of the form it names while that is on screen,
  // else the active window of the program, else the main window while it is on screen; null
  // (a box of its own in the task bar) while it is minimised.
  [[nodiscard]] HWND dialogOwner(const Form* owner) const;

  // Gives a message of the loop to the shortcuts and dialog keys of the window it is for;
  // true: taken, not to be dispatched.
  bool preTranslate(MSG& message) const;

 private:
  [[nodiscard]] HWND mainWindow() const;

  HINSTANCE instance_;
  std::vector<std::unique_ptr<FormWindow>> windows_;
};

}  // namespace reminder::view
