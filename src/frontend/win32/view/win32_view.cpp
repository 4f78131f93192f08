#include "frontend/win32/view/win32_view.h"

#include "frontend/win32/view/form_window.h"
#include "model/controls/form.h"

namespace reminder::view {

Win32View::Win32View(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

Win32View::~Win32View() {
  // Owned windows go before the main window that owns them.
  while (!windows_.empty()) windows_.pop_back();
}

void Win32View::render(Form& form) {
  windows_.push_back(std::make_unique<FormWindow>(form, instance_, mainWindow()));
}

HWND Win32View::mainWindow() const {
  // The first window with its own task-bar entry is the main window; it owns the others.
  for (const auto& window : windows_) {
    if (window->form().showInTaskbar) return window->hwnd();
  }
  return nullptr;
}

HWND Win32View::windowOf(const Form& form) const {
  for (const auto& window : windows_) {
    if (&window->form() == &form) return window->hwnd();
  }
  return nullptr;
}

HWND Win32View::dialogOwner(const Form* owner) const {
  if (owner != nullptr) {
    const HWND window = windowOf(*owner);
    if (window != nullptr && IsWindowVisible(window) != FALSE) return window;
  }
  const HWND active = GetActiveWindow();
  for (const auto& window : windows_) {
    if (window->hwnd() == active && IsIconic(active) == FALSE) return active;
  }
  const HWND main = mainWindow();
  if (main != nullptr && IsWindowVisible(main) != FALSE && IsIconic(main) == FALSE) return main;
  return nullptr;
}

bool Win32View::preTranslate(MSG& message) const {
  for (const auto& window : windows_) {
    if (window->preTranslate(message)) return true;
  }
  return false;
}

}  // namespace reminder::view
