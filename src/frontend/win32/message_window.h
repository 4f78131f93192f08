#pragma once

#include "frontend/win32/win32_headers.h"

namespace reminder {

// A message-only window of the class `className`, registered on first use with `procedure`,
// that keeps `owner` in its user data. Throws std::system_error when Windows makes none: the
// service it serves would otherwise never hear of a single due time or ended process.
HWND createMessageWindow(const wchar_t* className, WNDPROC procedure, void* owner);

}  // namespace reminder
