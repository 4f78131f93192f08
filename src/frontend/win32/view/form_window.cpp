#include "frontend/win32/view/form_window.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "frontend/shared/accessible_names.h"
#include "frontend/shared/placement.h"
#include "frontend/shared/tab_order.h"
#include "frontend/win32/view/accessible_name.h"
#include "model/controls/form.h"
#include "model/controls/frame.h"
#include "model/controls/line.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

constexpr wchar_t kWindowClass[] = L"KaveltoTimeReminderWindow";
constexpr int kProgramIcon = 1;  // the program file's one icon

struct FrameStyle {
  DWORD style;
  DWORD extended;
};

// The main window: a fixed frame with a system menu and no minimise or maximise box. The
// Time Up window: a fixed dialog frame. The pickers: fixed tool windows.
FrameStyle frameOfBorder(const Form& form) {
  const DWORD fixed = WS_CAPTION | WS_SYSMENU;
  switch (form.border) {
    case FormBorder::FixedSingle:
      return {WS_OVERLAPPED | fixed, form.showInTaskbar ? WS_EX_APPWINDOW : 0U};
    case FormBorder::FixedDialog:
      return {WS_POPUP | fixed, WS_EX_DLGMODALFRAME};
    case FormBorder::FixedToolWindow:
      return {WS_POPUP | fixed, WS_EX_TOOLWINDOW};
  }
  return {WS_OVERLAPPED | fixed, 0};
}

FrameStyle frameStyleOf(const Form& form) {
  FrameStyle frame = frameOfBorder(form);
  if (form.topMost) frame.extended |= WS_EX_TOPMOST;
  return frame;
}

// The owner of a window that belongs to no other: a window that is never shown, so the owned
// one keeps out of the task bar and shows whatever the main window does, minimised included.
HWND hiddenOwner(HINSTANCE instance) {
  static const HWND owner = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                            nullptr, instance, nullptr);
  return owner;
}

HWND ownerFor(const Form& form, HINSTANCE instance, HWND mainWindow) {
  if (form.showInTaskbar) return nullptr;
  return form.ownerless ? hiddenOwner(instance) : mainWindow;
}

void registerClass(HINSTANCE instance, WNDPROC procedure) {
  static const bool registered = [instance, procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

POINT pointAt(int x, int y, int dpi) {
  return {presentation::toPixels(x, dpi), presentation::toPixels(y, dpi)};
}

}  // namespace

FormWindow::FormWindow(Form& form, HINSTANCE instance, HWND owner)
    : form_(form), instance_(instance), mainWindow_(owner) {
  registerClass(instance, &FormWindow::windowProc);
  const FrameStyle frame = frameStyleOf(form);
  CreateWindowExW(frame.extended, kWindowClass, wideText(form.caption).c_str(), frame.style,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  ownerFor(form, instance, owner), nullptr, instance, this);
  dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
  name_.emplace(hwnd_, form.name());
  setAccessibleName(hwnd_, presentation::accessibleName(form));
  showIcons();

  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
  surface_ =
      std::make_unique<Surface>(Surface{hwnd_, instance, form, appearance_, toolTips_, dpi_});
  if (!form.menuBar().empty()) {
    menuBar_ = std::make_unique<MenuBar>(hwnd_, form.menuBar());
    menuBar_->setOnRebuilt([this] { fitFrameToClient(); });
  }
  buildControls();
  fitFrameToClient();
  form.setObserver([this](Property property) {
    if (property == Property::Visible || property == Property::WindowState) showAsForm();
    if (property == Property::Attention) comeForward();
  });
}

FormWindow::~FormWindow() {
  // The form may be gone already: the window tells it nothing more.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  children_.clear();
  menuBar_.reset();
  DestroyWindow(hwnd_);
}

void FormWindow::buildControls() {
  for (Control* control : form_.controls()) {
    if (auto* line = dynamic_cast<Line*>(control)) {
      lines_.push_back(line);
      line->setObserver([this, line](Property) { invalidateLine(*line); });
      continue;
    }
    if (auto child = makeChildControl(*control, *surface_)) children_.push_back(std::move(child));
  }
  orderForKeyboard();
}

// Tab and the arrow keys follow the windows' order among their siblings: the controls that
// take the focus come first, in the definition's tab order; frames go last, under the
// controls drawn inside them.
void FormWindow::orderForKeyboard() {
  HWND previous = HWND_TOP;
  for (Control* control : presentation::tabOrder(form_)) {
    const auto child = std::find_if(children_.begin(), children_.end(),
                                    [control](const auto& c) { return &c->control() == control; });
    if (child == children_.end()) continue;
    SetWindowPos((*child)->hwnd(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = (*child)->hwnd();
  }
  for (const auto& child : children_) {
    if (dynamic_cast<Frame*>(&child->control()) != nullptr) {
      SetWindowPos(child->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// The frame around the client area of the definition at the window's DPI, the menu bar
// included however many rows it takes.
void FormWindow::fitFrameToClient() {
  const int width = presentation::toPixels(form_.clientWidth, dpi_);
  const int height = presentation::toPixels(form_.clientHeight, dpi_);
  const FrameStyle frame = frameStyleOf(form_);
  RECT outer{0, 0, width, height};
  AdjustWindowRectExForDpi(&outer, frame.style, GetMenu(hwnd_) != nullptr ? TRUE : FALSE,
                           frame.extended, static_cast<UINT>(dpi_));
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int missing = height - (client.bottom - client.top);
  if (missing != 0) {
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void FormWindow::showAsForm() {
  if (!form_.visible()) {
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (IsWindowVisible(hwnd_) == FALSE) placeForShowing();
  if (form_.windowState() == WindowState::Minimized) {
    if (IsIconic(hwnd_) == FALSE) ShowWindow(hwnd_, SW_MINIMIZE);
    return;
  }
  ShowWindow(hwnd_, IsIconic(hwnd_) != FALSE ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd_);
}

// In front of everything and, where Windows lets the program take the foreground, active
// with the keyboard; where it does not, the main window's task-bar button flashes until the
// user comes.
void FormWindow::comeForward() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetWindowPos(hwnd_, form_.topMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (SetForegroundWindow(hwnd_) != FALSE && GetForegroundWindow() == hwnd_) return;
  if (mainWindow_ == nullptr) return;
  FLASHWINFO flash{sizeof(FLASHWINFO), mainWindow_, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
  FlashWindowEx(&flash);
}

// The Time Up window comes up centred on the monitor the user is looking at (the foreground
// window's: a full-screen game's, say), else the main window's, each time it is shown anew.
// A picker comes up, the first time, a caption's height down and right of the main window
// on its monitor, as Windows cascades a program's next window; afterwards where the user
// left it. The main window takes the system's default place.
void FormWindow::placeForShowing() {
  const bool centred = form_.startPosition == StartPosition::CenterOwner;
  if (mainWindow_ == nullptr || (placed_ && !centred)) return;
  placed_ = true;
  const HWND foreground = GetForegroundWindow();
  const HMONITOR monitor = centred && foreground != nullptr
                               ? MonitorFromWindow(foreground, MONITOR_DEFAULTTONEAREST)
                               : MonitorFromWindow(mainWindow_, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  const RECT& work = info.rcWork;
  const presentation::PixelRect area{work.left, work.top, work.right - work.left,
                                     work.bottom - work.top};
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  presentation::PixelPoint at{};
  if (centred) {
    at = presentation::centredIn(area, width, height);
  } else {
    RECT main{};
    GetWindowRect(mainWindow_, &main);
    at = presentation::cascadedFrom(
        {main.left, main.top, main.right - main.left, main.bottom - main.top},
        GetSystemMetricsForDpi(SM_CYCAPTION, static_cast<UINT>(dpi_)), width, height, area);
  }
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The program's icon at the sizes of the window's DPI; the ones shown before go once the
// window has taken the new ones.
void FormWindow::showIcons() {
  if (form_.icon.empty()) return;
  for (const auto& [which, metric, owned] : {std::tuple{ICON_BIG, SM_CXICON, &bigIcon_},
                                             std::tuple{ICON_SMALL, SM_CXSMICON, &smallIcon_}}) {
    const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi_));
    Owned<HICON> icon(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, size, size, 0)));
    SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(which),
                 reinterpret_cast<LPARAM>(icon.get()));
    *owned = std::move(icon);
  }
}

void FormWindow::changeDpi(int dpi, const RECT* suggested) {
  dpi_ = dpi;
  surface_->dpi = dpi;
  showIcons();
  if (suggested != nullptr) {
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  fitFrameToClient();
  for (const auto& child : children_) child->place();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormWindow::paintLines(HDC dc) const {
  for (const Line* line : lines_) {
    if (!line->visible()) continue;
    COLORREF color = GetSysColor(COLOR_WINDOWTEXT);
    if (line->color) {
      color = colorRef(*line->color);
    } else if (form_.foreColor) {
      color = colorRef(*form_.foreColor);
    }
    const Owned<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    const HGDIOBJ previous = SelectObject(dc, pen.get());
    const POINT from = pointAt(line->x1, line->y1, dpi_);
    const POINT to = pointAt(line->x2, line->y2, dpi_);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SetPixel(dc, to.x, to.y, color);  // the end point too, as the line is defined
    SelectObject(dc, previous);
  }
}

void FormWindow::invalidateLine(const Line& line) const {
  const POINT from = pointAt(line.x1, line.y1, dpi_);
  const POINT to = pointAt(line.x2, line.y2, dpi_);
  RECT area{std::min(from.x, to.x) - 1, std::min(from.y, to.y) - 1, std::max(from.x, to.x) + 2,
            std::max(from.y, to.y) + 2};
  InvalidateRect(hwnd_, &area, TRUE);
}

ChildControl* FormWindow::childOf(HWND window) const {
  for (const auto& child : children_) {
    if (child->hwnd() == window) return child.get();
  }
  return nullptr;
}

bool FormWindow::preTranslate(MSG& message) {
  if (message.hwnd != hwnd_ && IsChild(hwnd_, message.hwnd) == FALSE) return false;
  if (menuBar_ != nullptr && menuBar_->shortcuts() != nullptr &&
      TranslateAcceleratorW(hwnd_, menuBar_->shortcuts(), &message) != 0) {
    return true;
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == liveObjectsMessage()) return liveObjects();
  std::optional<LRESULT> result = fromControl(message, wParam, lParam);
  if (!result) result = paint(message, wParam);
  if (!result) result = fromFrame(message, wParam, lParam);
  return result ? *result : DefWindowProcW(hwnd_, message, wParam, lParam);
}

// What the child windows and the menu send: commands, notifications, their colours and the
// cursor over them.
std::optional<LRESULT> FormWindow::fromControl(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (ChildControl* child = childOf(reinterpret_cast<HWND>(lParam))) {
        child->command(HIWORD(wParam));
      } else if (id == IDOK) {
        // Enter, where no button takes it: a list opens its folder.
        if (ChildControl* focused = childOf(GetFocus())) focused->activate();
      } else if (menuBar_ != nullptr && lParam == 0) {
        menuBar_->command(id);
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (ChildControl* child = childOf(header->hwndFrom)) return child->notify(*header);
      return std::nullopt;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (ChildControl* child = childOf(reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(child->colors(reinterpret_cast<HDC>(wParam)));
      }
      return std::nullopt;
    case WM_SETCURSOR:
      if (ChildControl* child = childOf(reinterpret_cast<HWND>(wParam))) {
        if (const HCURSOR cursor = child->cursor()) {
          SetCursor(cursor);
          return TRUE;
        }
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// The client area: the form's background and its lines.
std::optional<LRESULT> FormWindow::paint(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      const COLORREF back =
          form_.backColor ? colorRef(*form_.backColor) : GetSysColor(COLOR_BTNFACE);
      FillRect(reinterpret_cast<HDC>(wParam), &client, appearance_.brush(back));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(hwnd_, &paint);
      paintLines(dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    default:
      return std::nullopt;
  }
}

// What the desktop does to the frame: closing, minimising and restoring, activating, moving
// to a monitor of another DPI.
std::optional<LRESULT> FormWindow::fromFrame(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      // The form's behaviour decides whether it goes; the frame never destroys it.
      form_.requestClose();
      return 0;
    case WM_QUERYENDSESSION:
      // The end of the session is the user's: never refused, and asked nothing about, even
      // with a countdown running. Windows then ends the program; it keeps nothing to save.
      return TRUE;
    case WM_SIZE:
      // The user minimised or restored the window through the desktop.
      if (wParam == SIZE_MINIMIZED) {
        form_.setWindowState(WindowState::Minimized);
      } else if (wParam == SIZE_RESTORED && form_.visible()) {
        form_.setWindowState(WindowState::Normal);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus) != FALSE) lastFocus_ = focus;
      } else {
        restoreFocus();
      }
      return 0;
    case WM_DPICHANGED:
      changeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return std::nullopt;
  }
}

// The focus comes back to the control that had it when the window was left.
void FormWindow::restoreFocus() {
  if (lastFocus_ != nullptr && IsWindowVisible(lastFocus_) != FALSE &&
      IsWindowEnabled(lastFocus_) != FALSE) {
    SetFocus(lastFocus_);
  } else if (const HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
    SetFocus(first);
  } else {
    SetFocus(hwnd_);
  }
}

}  // namespace reminder::view
