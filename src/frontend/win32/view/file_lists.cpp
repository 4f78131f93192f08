#include "model/controls/file_lists.h"

#include <vector>

#include "frontend/shared/folder_name.h"
#include "frontend/win32/view/child_control.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

constexpr DWORD kListStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;

// The list controls keep the window background of the user's scheme.
class ListWindow : public ChildControl {
 public:
  using ChildControl::ChildControl;

  HBRUSH colors(HDC dc) override {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }

 protected:
  void fill(const std::vector<std::wstring>& items) const {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items) {
      SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }

  [[nodiscard]] int selected() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
  }
};

// The drop-down list of drives. The height of its definition is the closed box's; the list
// opens below it.
class DriveListWindow final : public ChildControl {
 public:
  DriveListWindow(DriveList& list, Surface& surface)
      : ChildControl(list, surface, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0), list_(list) {
    place();
    showDrives();
    list.setObserver([this](Property property) {
      if (property == Property::Items) {
        showDrives();
      } else if (property == Property::Selection) {
        showDrive();
      } else {
        syncCommon();
      }
    });
  }

  void place() override {
    ChildControl::place();
    const RECT rect = placeInWindow();
    const int closed = rect.bottom - rect.top;
    SetWindowPos(hwnd(), nullptr, 0, 0, rect.right - rect.left, closed * 8,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The closed box's field: its height less the edit frame's.
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 closed - presentation::scaledPixels(6, surface().dpi));
  }

  void command(int code) override {
    if (code != CBN_SELCHANGE) return;
    const auto index = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= list_.drives().size()) return;
    list_.setDrive(list_.drives()[static_cast<std::size_t>(index)]);
  }

 private:
  void showDrives() const {
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& drive : list_.drives()) {
      SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(drive).c_str()));
    }
    showDrive();
  }

  void showDrive() const {
    const auto& drives = list_.drives();
    for (std::size_t i = 0; i < drives.size(); ++i) {
      if (drives[i] == list_.drive()) {
        SendMessageW(hwnd(), CB_SETCURSEL, i, 0);
        return;
      }
    }
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }

  DriveList& list_;
};

// The folders from the root down to the open one, each indented under the one above, and the
// open folder's subfolders under it. Double-click or Enter opens a folder.
class DirListWindow final : public ListWindow {
 public:
  DirListWindow(DirList& list, Surface& surface)
      : ListWindow(list, surface, WC_LISTBOXW, kListStyle, WS_EX_CLIENTEDGE), list_(list) {
    show();
    list.setObserver([this](Property property) {
      if (property == Property::Items || property == Property::Path) {
        show();
      } else {
        syncCommon();
      }
    });
  }

  void command(int code) override {
    if (code == LBN_DBLCLK) activate();
  }

  void activate() override {
    const int index = selected();
    if (index < 0 || static_cast<std::size_t>(index) >= paths_.size()) return;
    // A copy: opening refills the list and its paths.
    const std::string path = paths_[static_cast<std::size_t>(index)];
    list_.setPath(path);
  }

 private:
  void show() {
    paths_ = list_.openFolders();
    const std::size_t open = paths_.size();
    std::vector<std::wstring> items;
    for (std::size_t depth = 0; depth < open; ++depth)
      items.push_back(indented(paths_[depth], depth));
    for (const std::string& folder : list_.subfolders()) {
      paths_.push_back(folder);
      items.push_back(indented(folder, open));
    }
    fill(items);
    if (open > 0) {
      SendMessageW(hwnd(), LB_SETCURSEL, open - 1, 0);
      SendMessageW(hwnd(), LB_SETTOPINDEX, open - 1, 0);
    }
  }

  static std::wstring indented(const std::string& path, std::size_t depth) {
    return std::wstring(depth * 2, L' ') + wideText(presentation::folderName(path));
  }

  DirList& list_;
  std::vector<std::string> paths_;  // of the items, in the list's order
};

class FileListWindow final : public ListWindow {
 public:
  FileListWindow(FileList& list, Surface& surface)
      : ListWindow(list, surface, WC_LISTBOXW, kListStyle, WS_EX_CLIENTEDGE), list_(list) {
    showFiles();
    list.setObserver([this](Property property) {
      if (property == Property::Items) {
        showFiles();
      } else if (property == Property::Selection) {
        showSelection();
      } else if (property != Property::Path) {
        syncCommon();
      }
    });
  }

  // A click, or moving the selection with the keyboard, selects the file.
  void command(int code) override {
    const int index = selected();
    if (code != LBN_SELCHANGE || index < 0 ||
        static_cast<std::size_t>(index) >= list_.files().size()) {
      return;
    }
    list_.select(list_.files()[static_cast<std::size_t>(index)]);
  }

 private:
  void showFiles() const {
    std::vector<std::wstring> items;
    for (const std::string& file : list_.files()) items.push_back(wideText(file));
    fill(items);
    showSelection();
  }

  void showSelection() const {
    const auto& files = list_.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (!list_.fileName().empty() && files[i] == list_.fileName()) {
        SendMessageW(hwnd(), LB_SETCURSEL, i, 0);
        return;
      }
    }
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }

  FileList& list_;
};

}  // namespace

std::unique_ptr<ChildControl> makeDriveList(DriveList& list, Surface& surface) {
  return std::make_unique<DriveListWindow>(list, surface);
}

std::unique_ptr<ChildControl> makeDirList(DirList& list, Surface& surface) {
  return std::make_unique<DirListWindow>(list, surface);
}

std::unique_ptr<ChildControl> makeFileList(FileList& list, Surface& surface) {
  return std::make_unique<FileListWindow>(list, surface);
}

}  // namespace reminder::view
