#include <type_traits>

#include "frontend/win32/view/child_control.h"
#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/option_button.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

COLORREF darker(COLORREF color) {
  const auto part = [](int value) { return static_cast<BYTE>(value * 100 / 115); };
  return RGB(part(GetRValue(color)), part(GetGValue(color)), part(GetBValue(color)));
}

// A button in the background colour of its definition (the system's own drawing, themed or
// not, would paint it grey): flat ones inside a one-pixel line, the others with a raised
// edge; a button that is down, or ticked with the push-button look, is sunk in.
class PaintedButton : public ChildControl {
 public:
  PaintedButton(Control& control, Surface& surface, DWORD style)
      : ChildControl(control, surface, WC_BUTTONW, style, 0) {}

  std::optional<LRESULT> notify(const NMHDR& header) override {
    if (header.code != NM_CUSTOMDRAW) return std::nullopt;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
    paint(draw);
    return CDRF_SKIPDEFAULT;
  }

 protected:
  // Inside the edges drawn around the caption.
  [[nodiscard]] std::optional<int> captionRoom() const override {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return client.right - 2 * presentation::scaledPixels(kEdge, surface().dpi);
  }

 private:
  static constexpr int kEdge = 3;

  void paint(const NMCUSTOMDRAW& draw) const {
    const HDC dc = draw.hdc;
    RECT rect = draw.rc;
    const bool down = (draw.uItemState & CDIS_SELECTED) != 0 ||
                      SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool flat = control().layout.flat;
    const COLORREF back = flat && down ? darker(backColor()) : backColor();
    FillRect(dc, &rect, surface().appearance.brush(back));
    if (flat) {
      FrameRect(dc, &rect, GetSysColorBrush(COLOR_3DDKSHADOW));
    } else {
      DrawEdge(dc, &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    const std::wstring text = windowText(hwnd());
    RECT textArea = rect;
    const int dpi = surface().dpi;
    if (down)
      OffsetRect(&textArea, presentation::scaledPixels(1, dpi), presentation::scaledPixels(1, dpi));
    const HGDIOBJ previous = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control().enabled() ? foreColor() : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    if ((draw.uItemState & CDIS_FOCUS) != 0) {
      const int inset = presentation::scaledPixels(kEdge, dpi);
      InflateRect(&rect, -inset, -inset);
      DrawFocusRect(dc, &rect);
    }
  }
};

class CommandButtonWindow final : public PaintedButton {
 public:
  CommandButtonWindow(CommandButton& button, Surface& surface)
      : PaintedButton(button, surface, BS_PUSHBUTTON), button_(button) {
    showCaption(button.caption());
    button.setObserver([this](Property property) {
      if (property == Property::Caption) {
        showCaption(button_.caption());
      } else {
        syncCommon();
      }
    });
  }

  void command(int code) override {
    if (code == BN_CLICKED) button_.click();
  }

 private:
  CommandButton& button_;
};

// A check box or option button: a real one, or a button that stays down while ticked for the
// push-button look. Windows does not tick it by itself; the control decides and the window
// shows what it holds.
template <typename Choice>
class ChoiceWindow final : public PaintedButton {
 public:
  ChoiceWindow(Choice& choice, Surface& surface)
      : PaintedButton(choice, surface, styleOf(choice)), choice_(choice) {
    showCaption(choice.caption());
    showValue();
    choice.setObserver([this](Property property) {
      switch (property) {
        case Property::Value:
          showValue();
          break;
        case Property::Caption:
          showCaption(choice_.caption());
          break;
        default:
          syncCommon();
      }
    });
  }

  void command(int code) override {
    if (code != BN_CLICKED) return;
    choice_.click();
    showValue();
  }

  std::optional<LRESULT> notify(const NMHDR& header) override {
    if (!choice_.pushButtonLook) return std::nullopt;
    return PaintedButton::notify(header);
  }

 protected:
  // A real check box or option button has its mark beside the caption.
  [[nodiscard]] std::optional<int> captionRoom() const override {
    const std::optional<int> room = PaintedButton::captionRoom();
    if (choice_.pushButtonLook || !room) return room;
    const int dpi = surface().dpi;
    return *room - GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi)) -
           presentation::scaledPixels(4, dpi);
  }

 private:
  static DWORD styleOf(const Choice& choice) {
    DWORD style = std::is_same_v<Choice, CheckBox> ? BS_CHECKBOX : BS_RADIOBUTTON;
    if (choice.pushButtonLook) style |= BS_PUSHLIKE;
    return style;
  }

  void showValue() const {
    bool ticked = false;
    if constexpr (std::is_same_v<Choice, CheckBox>) {
      ticked = choice_.ticked();
    } else {
      ticked = choice_.value();
    }
    SendMessageW(hwnd(), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  Choice& choice_;
};

}  // namespace

std::unique_ptr<ChildControl> makeCommandButton(CommandButton& button, Surface& surface) {
  return std::make_unique<CommandButtonWindow>(button, surface);
}

std::unique_ptr<ChildControl> makeCheckBox(CheckBox& box, Surface& surface) {
  return std::make_unique<ChoiceWindow<CheckBox>>(box, surface);
}

std::unique_ptr<ChildControl> makeOptionButton(OptionButton& option, Surface& surface) {
  return std::make_unique<ChoiceWindow<OptionButton>>(option, surface);
}

}  // namespace reminder::view
