#include "frontend/win32/view/menu_bar.h"

#include <functional>
#include <optional>
#include <string_view>

#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

constexpr int kFirstMenuId = 1000;  // clear of the controls' ids

void collect(const std::vector<MenuItem*>& items, std::vector<MenuItem*>& all) {
  for (MenuItem* item : items) {
    all.push_back(item);
    collect(item->items(), all);
  }
}

std::wstring menuText(const MenuItem& item) {
  std::wstring text;
  for (const wchar_t c : wideText(item.caption())) {
    if (c == L'&') text += L'&';  // shown as it stands, not as a mnemonic
    text += c;
  }
  if (!item.shortcut().empty()) text += L"\t" + wideText(item.shortcut());
  return text;
}

std::optional<WORD> keyOf(std::string_view key) {
  if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') return static_cast<WORD>(key[0]);
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return static_cast<WORD>(key[0]);
  if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F') {
    int number = 0;
    for (const char c : key.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 24) return static_cast<WORD>(VK_F1 + number - 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ACCEL> parseShortcut(const std::string& text) {
  ACCEL accel{};
  accel.fVirt = FVIRTKEY;
  std::string_view rest = text;
  for (;;) {
    const std::size_t plus = rest.find('+');
    if (plus == std::string_view::npos || plus + 1 == rest.size()) break;
    const std::string_view modifier = rest.substr(0, plus);
    if (modifier == "Ctrl") {
      accel.fVirt |= FCONTROL;
    } else if (modifier == "Shift") {
      accel.fVirt |= FSHIFT;
    } else if (modifier == "Alt") {
      accel.fVirt |= FALT;
    } else {
      return std::nullopt;
    }
    rest.remove_prefix(plus + 1);
  }
  const std::optional<WORD> key = keyOf(rest);
  if (!key) return std::nullopt;
  accel.key = *key;
  return accel;
}

MenuBar::MenuBar(HWND window, const std::vector<MenuItem*>& items)
    : window_(window), roots_(items) {
  collect(items, all_);
  std::vector<ACCEL> keys;
  for (MenuItem* item : all_) {
    if (std::optional<ACCEL> key = parseShortcut(item->shortcut())) {
      key->cmd = static_cast<WORD>(idOf(*item));
      keys.push_back(*key);
    }
    item->setObserver([this, item](Property property) {
      if (property == Property::Checked && item->visible()) {
        CheckMenuItem(GetMenu(window_), static_cast<UINT>(idOf(*item)),
                      MF_BYCOMMAND | (item->checked() ? MF_CHECKED : MF_UNCHECKED));
      } else {
        rebuild();
      }
    });
  }
  if (!keys.empty()) {
    shortcuts_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
  }
  rebuild();
}

// The window lets go of its menu bar first, which then goes with its menus.
MenuBar::~MenuBar() {
  SetMenu(window_, nullptr);
}

int MenuBar::idOf(const MenuItem& item) const {
  for (std::size_t i = 0; i < all_.size(); ++i) {
    if (all_[i] == &item) return kFirstMenuId + static_cast<int>(i);
  }
  return 0;
}

bool MenuBar::command(int id) const {
  const int index = id - kFirstMenuId;
  if (index < 0 || static_cast<std::size_t>(index) >= all_.size()) return false;
  MenuItem* item = all_[static_cast<std::size_t>(index)];
  // A shortcut chooses an item only where a user could reach it in the menus.
  for (const MenuItem* above = item; above != nullptr; above = above->parent()) {
    if (!above->visible()) return true;
  }
  item->click();
  return true;
}

HMENU MenuBar::build(const std::vector<MenuItem*>& items, bool bar) const {
  const HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  for (MenuItem* item : items) {
    if (!item->visible()) continue;
    const std::wstring text = menuText(*item);
    if (item->items().empty()) {
      AppendMenuW(menu, MF_STRING | (item->checked() ? MF_CHECKED : 0U),
                  static_cast<UINT_PTR>(idOf(*item)), text.c_str());
    } else {
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(build(item->items(), false)),
                  text.c_str());
    }
  }
  return menu;
}

void MenuBar::rebuild() {
  Owned<HMENU> bar(build(roots_, true));
  SetMenu(window_, bar.get());
  // The bar shown before goes with its menus, now that the window shows the new one.
  bar_ = std::move(bar);
  DrawMenuBar(window_);
  if (onRebuilt_) onRebuilt_();
}

}  // namespace reminder::view
