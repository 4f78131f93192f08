// The benchmark's reference on Windows: a minimal Win32 program with a menu and a 100 ms
// timer that writes the time, with milliseconds, into a label, so it repaints ten times a
// second.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr int kExit = 100;
HWND label = nullptr;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, window,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
      SetTimer(window, kClockTimer, 100, nullptr);
      return 0;
    case WM_TIMER: {
      SYSTEMTIME now;
      GetLocalTime(&now);
      wchar_t text[32];
      std::swprintf(text, 32, L"%02u:%02u:%02u.%03u", now.wHour, now.wMinute, now.wSecond,
                    now.wMilliseconds);
      SetWindowTextW(label, text);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kExit) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*line*/, int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = static_cast<HCURSOR>(
      LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"ReferenceWindow";
  RegisterClassExW(&windowClass);
  const HMENU menu = CreateMenu();
  const HMENU control = CreatePopupMenu();
  AppendMenuW(control, MF_STRING, kExit, L"E&xit");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(control), L"&Control");
  const HWND window = CreateWindowExW(0, L"ReferenceWindow", L"Reference Window",
                                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 320, 120, nullptr, menu, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
