#include "frontend/shared/fonts.h"
#include "frontend/win32/view/child_control.h"
#include "model/controls/frame.h"
#include "model/controls/label.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

DWORD labelStyle(const Label& label) {
  DWORD style = SS_NOPREFIX | SS_NOTIFY;  // notify: the tooltip needs the pointer's moves
  style |= label.autoSize ? SS_LEFTNOWORDWRAP : SS_LEFT;
  if (label.border == LabelBorder::FlatSingle) style |= WS_BORDER;
  return style;
}

DWORD labelExtendedStyle(const Label& label) {
  return label.border == LabelBorder::Sunken ? WS_EX_STATICEDGE : 0;
}

class LabelWindow final : public ChildControl {
 public:
  LabelWindow(Label& label, Surface& surface)
      : ChildControl(label, surface, WC_STATICW, labelStyle(label), labelExtendedStyle(label)),
        label_(label) {
    showCaption();
    label.setObserver([this](Property property) {
      if (property == Property::Caption) {
        showCaption();
      } else {
        syncCommon();
      }
    });
  }

  void place() override {
    ChildControl::place();
    if (label_.autoSize) fitToCaption();
  }

 protected:
  // A label of one line's height that does not grow with its text keeps it on that line.
  [[nodiscard]] std::optional<int> captionRoom() const override {
    if (label_.autoSize) return std::nullopt;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int line = presentation::fontPixelSize(
        label_.layout.font.value_or(presentation::defaultFont()).points, surface().dpi);
    if (client.bottom >= 2 * line) return std::nullopt;
    return client.right;
  }

 private:
  void showCaption() {
    ChildControl::showCaption(label_.caption());
    if (label_.autoSize) fitToCaption();
  }

  // A label sized to its text fits it exactly, border included; empty, it keeps the size of
  // its definition.
  void fitToCaption() const {
    const RECT defined = placeInWindow();
    SIZE size{defined.right - defined.left, defined.bottom - defined.top};
    if (!label_.caption().empty()) {
      const std::wstring text = wideText(label_.caption());
      const HDC dc = GetDC(hwnd());
      const HGDIOBJ previous = SelectObject(dc, font());
      RECT fitted{};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &fitted,
                DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
      SelectObject(dc, previous);
      ReleaseDC(hwnd(), dc);
      RECT outer = fitted;
      AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
      size = {outer.right - outer.left, outer.bottom - outer.top};
    }
    SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  Label& label_;
};

class FrameWindow final : public ChildControl {
 public:
  FrameWindow(Frame& frame, Surface& surface)
      // Its siblings clipped: the controls drawn inside it stay above it.
      : ChildControl(frame, surface, WC_BUTTONW, BS_GROUPBOX | WS_CLIPSIBLINGS, 0) {
    SetWindowTextW(hwnd(), wideText(frame.caption).c_str());
    nameForAssistiveTechnology();
    frame.setObserver([this](Property) { syncCommon(); });
  }
};

}  // namespace

std::unique_ptr<ChildControl> makeLabel(Label& label, Surface& surface) {
  return std::make_unique<LabelWindow>(label, surface);
}

std::unique_ptr<ChildControl> makeFrame(Frame& frame, Surface& surface) {
  return std::make_unique<FrameWindow>(frame, surface);
}

}  // namespace reminder::view
