#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/win32/view/owned_objects.h"
#include "frontend/win32/win32_headers.h"
#include "model/controls/menu_item.h"

namespace reminder::view {

// A window's menu bar and the keyboard shortcuts of its items. Only visible items are in the
// menus: the bar is built again whenever an item is shown or hidden. A check mark shows the
// item's own.
class MenuBar {
 public:
  MenuBar(HWND window, const std::vector<MenuItem*>& items);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;
  MenuBar(MenuBar&&) = delete;
  MenuBar& operator=(MenuBar&&) = delete;

  // A WM_COMMAND from a menu or a shortcut; false: not one of the bar's.
  bool command(int id) const;
  [[nodiscard]] HACCEL shortcuts() const { return shortcuts_.get(); }

  // Called after the bar changed its height, so the window can keep its client size.
  void setOnRebuilt(std::function<void()> onRebuilt) { onRebuilt_ = std::move(onRebuilt); }

 private:
  void rebuild();
  HMENU build(const std::vector<MenuItem*>& items, bool bar) const;
  [[nodiscard]] int idOf(const MenuItem& item) const;

  HWND window_;
  std::vector<MenuItem*> roots_;
  std::vector<MenuItem*> all_;  // an item's command id is its place here
  Owned<HACCEL> shortcuts_;
  Owned<HMENU> bar_;
  std::function<void()> onRebuilt_;
};

// The key of a shortcut text such as "F3", "Ctrl+I" or "Shift+Ctrl+F11"; none for a text
// that names no key.
[[nodiscard]] std::optional<ACCEL> parseShortcut(const std::string& text);

}  // namespace reminder::view
