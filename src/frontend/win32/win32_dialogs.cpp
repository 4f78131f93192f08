#include "frontend/win32/win32_dialogs.h"

#include <vector>

#include "model/controls/form.h"
#include "system/windows/wide_text.h"

namespace reminder {

namespace {

// The thread's other windows that take input, disabled while the box is up and enabled again
// after it: MessageBoxW by itself only disables its owner.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(GetCurrentThreadId(), disableOne, reinterpret_cast<LPARAM>(this));
  }
  ~OtherWindowsDisabled() {
    for (const HWND window : disabled_) EnableWindow(window, TRUE);
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled(OtherWindowsDisabled&&) = delete;
  OtherWindowsDisabled& operator=(OtherWindowsDisabled&&) = delete;

 private:
  static BOOL CALLBACK disableOne(HWND window, LPARAM self) {
    auto& that = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != that.owner_ && IsWindowVisible(window) != 0 && IsWindowEnabled(window) != 0) {
      EnableWindow(window, FALSE);
      that.disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace

MessageAnswer Win32Dialogs::show(const Message& message) {
  const bool question = message.buttons == MessageButtons::YesNo;
  const HWND owner = owner_ ? owner_(message.owner) : nullptr;
  const OtherWindowsDisabled others(owner);
  // A box of a window that stays on top stays above it, and so above everything else.
  const UINT onTop = message.owner != nullptr && message.owner->topMost ? MB_TOPMOST : 0U;
  const int pressed =
      MessageBoxW(owner, wideText(message.prompt).c_str(), wideText(message.title).c_str(),
                  (question ? MB_YESNO : MB_OK) | MB_DEFBUTTON1 | MB_SETFOREGROUND | onTop);
  if (!question) return MessageAnswer::Ok;
  return pressed == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace reminder
