#pragma once

#include <functional>

#include "frontend/win32/win32_headers.h"
#include "platform/dialogs.h"

namespace reminder {

// Message boxes of the system (MessageBoxW) without an icon, Yes the default, over the window
// that `owner` names. While one is up, every other window of the program waits as well.
class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(std::function<HWND(const Form*)> owner) : owner_(std::move(owner)) {}
  MessageAnswer show(const Message& message) override;

 private:
  std::function<HWND(const Form*)> owner_;
};

}  // namespace reminder
