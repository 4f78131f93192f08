#include "frontend/win32/view/accessible_name.h"

#include <initguid.h>
// initguid.h first: the property ids are defined here.
#include <oleacc.h>

#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

// The one annotation service of the program, held for its life.
IAccPropServices* services() {
  static IAccPropServices* const service = [] {
    IAccPropServices* made = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&made)))) {
      return static_cast<IAccPropServices*>(nullptr);
    }
    return made;
  }();
  return service;
}

}  // namespace

void setAccessibleName(HWND window, const std::string& name) {
  if (IAccPropServices* service = services()) {
    service->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                            wideText(name).c_str());
  }
}

}  // namespace reminder::view
