#pragma once

#include <string>

#include "frontend/win32/win32_headers.h"

namespace reminder::view {

// Gives a window the name a screen reader reads for it (Dynamic Annotation), where the
// window's text is not that name: a field's tooltip, an empty label's, a picture's. Does
// nothing where the system has no annotation service.
void setAccessibleName(HWND window, const std::string& name);

}  // namespace reminder::view
