#include "frontend/win32/view/child_control.h"

#include <algorithm>

#include "frontend/shared/accessible_names.h"
#include "frontend/shared/tab_order.h"
#include "frontend/win32/view/accessible_name.h"
#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/file_lists.h"
#include "model/controls/form.h"
#include "model/controls/frame.h"
#include "model/controls/image.h"
#include "model/controls/label.h"
#include "model/controls/line.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL, which dialog keys send

class Factory final : public ControlVisitor {
 public:
  explicit Factory(Surface& surface) : surface_(surface) {}
  std::unique_ptr<ChildControl> made;

  void visit(Label& c) override { made = makeLabel(c, surface_); }
  void visit(TextBox& c) override { made = makeTextBox(c, surface_); }
  void visit(CommandButton& c) override { made = makeCommandButton(c, surface_); }
  void visit(CheckBox& c) override { made = makeCheckBox(c, surface_); }
  void visit(OptionButton& c) override { made = makeOptionButton(c, surface_); }
  void visit(Frame& c) override { made = makeFrame(c, surface_); }
  void visit(Line& /*c*/) override {}
  void visit(Image& c) override { made = makeImage(c, surface_); }
  void visit(DriveList& c) override { made = makeDriveList(c, surface_); }
  void visit(DirList& c) override { made = makeDirList(c, surface_); }
  void visit(FileList& c) override { made = makeFileList(c, surface_); }

 private:
  Surface& surface_;
};

int controlId(const Control& control) {
  const auto& all = control.owner().controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == &control) return kFirstControlId + static_cast<int>(i);
  }
  return kFirstControlId;
}

HWND createChild(const Control& control, const Surface& surface, const wchar_t* windowClass,
                 DWORD style, DWORD extendedStyle) {
  if (presentation::takesFocus(control)) style |= WS_TABSTOP;
  return CreateWindowExW(
      extendedStyle, windowClass, L"", WS_CHILD | style, 0, 0, 0, 0, surface.window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))), surface.instance, nullptr);
}

}  // namespace

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

ChildControl::ChildControl(Control& control, Surface& surface, const wchar_t* windowClass,
                           DWORD style, DWORD extendedStyle)
    : control_(control),
      surface_(surface),
      hwnd_(createChild(control, surface, windowClass, style, extendedStyle)),
      name_(hwnd_, control.name()) {
  if (!control.layout.toolTip.empty()) {
    const std::wstring tip = wideText(control.layout.toolTip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = surface.window;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(surface.toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  place();
  syncCommon();
  nameForAssistiveTechnology();
}

RECT ChildControl::placeInWindow() const {
  TwipRect twips = control_.layout.rect;
  // A frame's controls are the window's own children, placed inside the frame's area: a
  // group box passes neither notifications nor colour requests on to the window.
  if (const Frame* frame = control_.layout.container) {
    twips.left += frame->layout.rect.left;
    twips.top += frame->layout.rect.top;
  }
  return toRect(twips, surface_.dpi);
}

void ChildControl::place() {
  const RECT rect = placeInWindow();
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

HBRUSH ChildControl::colors(HDC dc) {
  SetTextColor(dc, foreColor());
  SetBkColor(dc, backColor());
  return surface_.appearance.brush(backColor());
}

void ChildControl::syncCommon() const {
  EnableWindow(hwnd_, control_.enabled() ? TRUE : FALSE);
  ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
}

void ChildControl::nameForAssistiveTechnology() const {
  setAccessibleName(hwnd_, presentation::accessibleName(control_));
}

COLORREF ChildControl::foreColor() const {
  if (control_.layout.foreColor) return colorRef(*control_.layout.foreColor);
  return GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF ChildControl::backColor() const {
  if (control_.layout.backColor) return colorRef(*control_.layout.backColor);
  if (surface_.form.backColor) return colorRef(*surface_.form.backColor);
  return GetSysColor(COLOR_BTNFACE);
}

HFONT ChildControl::font() const {
  if (std::optional<int> room = captionRoom()) {
    // What lies past the window's edge is not seen.
    RECT client{};
    GetClientRect(surface_.window, &client);
    room = std::min<int>(*room, client.right - placeInWindow().left);
    return surface_.appearance.fitted(control_.layout.font, surface_.dpi, windowText(hwnd_), *room);
  }
  return surface_.appearance.font(control_.layout.font, surface_.dpi);
}

void ChildControl::showCaption(const std::string& caption) const {
  SetWindowTextW(hwnd_, wideText(caption).c_str());
  if (captionRoom()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
  nameForAssistiveTechnology();
}

std::unique_ptr<ChildControl> makeChildControl(Control& control, Surface& surface) {
  Factory factory(surface);
  control.accept(factory);
  return std::move(factory.made);
}

}  // namespace reminder::view
