#include "frontend/win32/message_window.h"

#include <system_error>

namespace reminder {

HWND createMessageWindow(const wchar_t* className, WNDPROC procedure, void* owner) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);  // fails harmlessly when a second service registers again
  const HWND window =
      CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (window == nullptr) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "no message window for the timers and commands");
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return window;
}

}  // namespace reminder
