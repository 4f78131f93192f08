// Reads the program's windows from another process, for the end-to-end tests: one request per
// line on standard input, one answer line on standard output.
//   find FORM CONTROL    "visible enabled x y width height" on screen, or "none"
//   text FORM CONTROL    the control's text
//   check FORM CONTROL   1 ticked or selected, 0 not
//   window FORM          "visible x y width height" of the window, or "none"
//   frame FORM           "topmost owned|unowned caption" of the window (1 or 0 for topmost;
//                        the caption may be empty), or "none"
//   box TITLE            the text of the message box with that title, or "none"
//   button TITLE ANSWER  "x y width height" of that box's button OK, Yes or No (by its id:
//                        Wine writes the buttons' texts in the user's language), or "none"
//   objects FORM         how many GDI and USER objects the program's windows hold, as that
//                        window answers its registered message (Wine counts none itself)
//   balloon              the text of the notification area's balloon on screen, or "none"
//   icons                how many icons Wine's notification area shows
// Windows and controls are found by the names the program gives them; names and titles are
// written with "_" for a blank.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// windows.h first.
#include <commctrl.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kNameProperty[] = L"KaveltoControlName";

std::wstring wide(const std::string& text) {
  std::wstring result;
  for (const char c : text) result += c == '_' ? L' ' : static_cast<wchar_t>(c);
  return result;
}

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

std::wstring nameOf(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, kNameProperty)));
  if (atom == 0) return {};
  wchar_t name[256] = {};
  GlobalGetAtomNameW(atom, name, 256);
  return name;
}

std::wstring textOf(HWND window) {
  wchar_t text[4096] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                      nullptr);
  return text;
}

std::wstring classOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

struct Search {
  std::wstring name;
  HWND found = nullptr;
};

BOOL CALLBACK matchName(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (nameOf(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

HWND topLevel(const std::wstring& name) {
  Search search{name};
  EnumWindows(matchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND child(HWND parent, const std::wstring& name) {
  Search search{name};
  EnumChildWindows(parent, matchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A visible message box (dialog class) with the title.
HWND box(const std::wstring& title) {
  Search search{title};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (classOf(window) != L"#32770" || IsWindowVisible(window) == FALSE ||
            textOf(window) != s->name) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The windows of the class on screen, top-level or inside one.
std::vector<HWND> shown(const std::wstring& className) {
  struct Search {
    std::wstring name;
    std::vector<HWND> found;
  } search{className};
  EnumChildWindows(
      GetDesktopWindow(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (IsWindowVisible(window) != FALSE && classOf(window) == s->name) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string rectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  std::ostringstream out;
  out << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
      << rect.bottom - rect.top;
  return out.str();
}

std::string answer(const std::string& line) {
  std::istringstream in(line);
  std::string request;
  std::string first;
  std::string second;
  in >> request >> first >> second;
  if (request == "window") {
    const HWND window = topLevel(wide(first));
    if (window == nullptr) return "none";
    return std::to_string(IsWindowVisible(window) != FALSE ? 1 : 0) + " " + rectOf(window);
  }
  if (request == "frame") {
    const HWND window = topLevel(wide(first));
    if (window == nullptr) return "none";
    const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const HWND owner = GetWindow(window, GW_OWNER);
    const bool ownedByProgramWindow = owner != nullptr && !nameOf(owner).empty();
    return std::string(topmost ? "1" : "0") + (ownedByProgramWindow ? " owned " : " unowned ") +
           utf8(textOf(window));
  }
  if (request == "objects") {
    const HWND window = topLevel(wide(first));
    DWORD_PTR count = 0;
    if (window == nullptr ||
        SendMessageTimeoutW(window, RegisterWindowMessageW(L"KaveltoLiveObjects"), 0, 0, SMTO_BLOCK,
                            2000, &count) == 0) {
      return "none";
    }
    return std::to_string(count);
  }
  if (request == "balloon") {
    // A tooltip window answers with the text it shows.
    for (const HWND tip : shown(L"tooltips_class32")) {
      if ((GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON) != 0) return utf8(textOf(tip));
    }
    return "none";
  }
  if (request == "icons") return std::to_string(shown(L"__winex11_tray_icon").size());
  if (request == "box") {
    const HWND window = box(wide(first));
    if (window == nullptr) return "none";
    // The prompt is the box's static text that is not its icon.
    const HWND prompt = GetDlgItem(window, 0xFFFF);
    return prompt == nullptr ? "" : utf8(textOf(prompt));
  }
  if (request == "button") {
    const HWND window = box(wide(first));
    const int id = second == "Yes" ? IDYES : second == "No" ? IDNO : IDOK;
    const HWND button = window == nullptr ? nullptr : GetDlgItem(window, id);
    return button == nullptr ? "none" : rectOf(button);
  }
  const HWND window = topLevel(wide(first));
  const HWND control = window == nullptr ? nullptr : child(window, wide(second));
  if (control == nullptr) return "none";
  if (request == "find") {
    return std::to_string(IsWindowVisible(control) != FALSE ? 1 : 0) + " " +
           std::to_string(IsWindowEnabled(control) != FALSE ? 1 : 0) + " " + rectOf(control);
  }
  if (request == "text") return utf8(textOf(control));
  if (request == "check") {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_BLOCK, 2000, &state);
    return state == BST_CHECKED ? "1" : "0";
  }
  return "unknown request";
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << answer(line) << '\n' << std::flush;
  }
  return 0;
}
