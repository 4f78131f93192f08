#pragma once

#include <string>
#include <utility>

#include "frontend/win32/win32_headers.h"

namespace reminder::view {

// The GDI and USER objects the view makes (fonts, brushes, pens, bitmaps, icons, menu bars,
// shortcut tables, atoms), each
// destroyed with what owns it, and a count of those alive. Windows counts a process's objects
// (GetGuiResources) and Wine does not: this count shows on both that use leaves none behind.
[[nodiscard]] long liveObjects();

void destroyObject(HGDIOBJ object);
void destroyObject(HICON icon);
void destroyObject(HMENU menu);
void destroyObject(HACCEL shortcuts);
void destroyObject(ATOM atom);
void countObject(long change);

// One object, destroyed when replaced and when its owner goes.
template <typename Handle>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) { reset(handle); }
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }

  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) {
      destroyObject(handle_);
      countObject(-1);
    }
    handle_ = handle;
    if (handle_ != Handle{}) countObject(+1);
  }
  [[nodiscard]] Handle get() const { return handle_; }

 private:
  Handle handle_{};
};

// The name a window is found by from another process (automation, the end-to-end tests), as
// Qt's object names let it be: a property holding an atom of the name, removed with it.
class WindowName {
 public:
  WindowName(HWND window, const std::string& name);
  ~WindowName();
  WindowName(const WindowName&) = delete;
  WindowName& operator=(const WindowName&) = delete;
  WindowName(WindowName&&) = delete;
  WindowName& operator=(WindowName&&) = delete;

 private:
  HWND window_;
  Owned<ATOM> atom_;
};

// Asked of any window of the program with this registered message, it answers liveObjects().
[[nodiscard]] UINT liveObjectsMessage();

}  // namespace reminder::view
