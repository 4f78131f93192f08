#include "frontend/win32/view/owned_objects.h"

#include <atomic>

#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

constexpr wchar_t kNameProperty[] = L"KaveltoControlName";

std::atomic<long> live{0};

}  // namespace

long liveObjects() {
  return live.load();
}

void countObject(long change) {
  live += change;
}

void destroyObject(HGDIOBJ object) {
  DeleteObject(object);
}

void destroyObject(HICON icon) {
  DestroyIcon(icon);
}

void destroyObject(HMENU menu) {
  DestroyMenu(menu);
}

void destroyObject(HACCEL shortcuts) {
  DestroyAcceleratorTable(shortcuts);
}

void destroyObject(ATOM atom) {
  GlobalDeleteAtom(atom);
}

WindowName::WindowName(HWND window, const std::string& name)
    : window_(window), atom_(GlobalAddAtomW(wideText(name).c_str())) {
  SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom_.get())));
}

WindowName::~WindowName() {
  RemovePropW(window_, kNameProperty);
}

UINT liveObjectsMessage() {
  static const UINT message = RegisterWindowMessageW(L"KaveltoLiveObjects");
  return message;
}

}  // namespace reminder::view
