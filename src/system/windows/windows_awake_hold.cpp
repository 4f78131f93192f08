#include "system/windows/windows_awake_hold.h"

#include "system/windows/wide_text.h"

namespace reminder {

void WindowsAwakeHold::hold(const std::string& reason) {
  if (request_ != nullptr && reason == reason_) return;
  std::wstring text = wideText(reason);
  REASON_CONTEXT context{};
  context.Version = POWER_REQUEST_CONTEXT_VERSION;
  context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
  context.Reason.SimpleReasonString = text.data();
  HANDLE request = calls_.create(&context);
  if (request != INVALID_HANDLE_VALUE && !calls_.set(request, PowerRequestSystemRequired)) {
    calls_.close(request);
    request = INVALID_HANDLE_VALUE;
  }
  // The new request is set before the old one goes, so that the computer is held throughout.
  release();
  if (request == INVALID_HANDLE_VALUE) return;
  request_ = request;
  reason_ = reason;
}

void WindowsAwakeHold::release() {
  if (request_ == nullptr) return;
  calls_.clear(request_, PowerRequestSystemRequired);
  calls_.close(request_);
  request_ = nullptr;
  reason_.clear();
}

}  // namespace reminder
