#include "frontend/win32/view/child_control.h"
#include "model/controls/text_box.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

class TextBoxWindow final : public ChildControl {
 public:
  TextBoxWindow(TextBox& box, Surface& surface)
      : ChildControl(box, surface, WC_EDITW, ES_AUTOHSCROLL | (box.layout.flat ? WS_BORDER : 0),
                     box.layout.flat ? 0 : WS_EX_CLIENTEDGE),
        box_(box) {
    // The limit holds the user's typing only: a longer text written by code stays whole.
    SendMessageW(hwnd(), EM_LIMITTEXT, box.maxLength, 0);
    showLock();
    showText();
    box.setObserver([this](Property property) {
      switch (property) {
        case Property::Text:
          showText();
          break;
        case Property::Locked:
          showLock();
          break;
        default:
          syncCommon();
      }
    });
  }

  void command(int code) override {
    if (code != EN_CHANGE || echoing_) return;
    // Any change the control did not make is the user's: typing, pasting, or an assistive
    // tool writing the field.
    const std::string text = utf8Text(windowText(hwnd()));
    if (text == box_.text()) return;
    box_.userEdit(text);
    showText();  // the field shows what the control holds
  }

  HBRUSH colors(HDC dc) override {
    // A locked field stays white like an editable one; Windows would grey it.
    const COLORREF back = control().layout.backColor ? colorRef(*control().layout.backColor)
                                                     : GetSysColor(COLOR_WINDOW);
    SetTextColor(dc, foreColor());
    SetBkColor(dc, back);
    return surface().appearance.brush(back);
  }

 private:
  void showText() {
    const std::wstring text = wideText(box_.text());
    if (windowText(hwnd()) == text) return;
    echoing_ = true;
    SetWindowTextW(hwnd(), text.c_str());
    echoing_ = false;
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageW(hwnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
  }

  void showLock() const { SendMessageW(hwnd(), EM_SETREADONLY, box_.locked() ? TRUE : FALSE, 0); }

  TextBox& box_;
  bool echoing_ = false;
};

}  // namespace

std::unique_ptr<ChildControl> makeTextBox(TextBox& box, Surface& surface) {
  return std::make_unique<TextBoxWindow>(box, surface);
}

}  // namespace reminder::view
