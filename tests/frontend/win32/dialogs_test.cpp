// The system's message boxes as the program shows them: no icon, Yes the default, and the
// program's other windows waiting while one is up.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "frontend/win32/win32_dialogs.h"
#include "system/windows/wide_text.h"

namespace reminder {
namespace {

// What a person sees in the box, read from another thread while it is up.
struct SeenBox {
  std::wstring title;
  bool icon = false;
  int defaultButton = 0;
  bool ownerEnabled = true;
  bool otherEnabled = true;
};

HWND topWindow(const wchar_t* title) {
  return CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() : owner_(topWindow(L"owner")), other_(topWindow(L"other")) {}
  ~DialogsTest() override {
    DestroyWindow(owner_);
    DestroyWindow(other_);
  }
  DialogsTest(const DialogsTest&) = delete;
  DialogsTest& operator=(const DialogsTest&) = delete;
  DialogsTest(DialogsTest&&) = delete;
  DialogsTest& operator=(DialogsTest&&) = delete;

  // Shows the box, and from another thread notes what it shows, then presses `button`.
  MessageAnswer answer(const Message& message, int button) {
    const DWORD thread = GetCurrentThreadId();
    std::thread presser([this, thread, button] {
      HWND box = nullptr;
      while ((box = boxOf(thread)) == nullptr) Sleep(10);
      wchar_t title[64]{};
      GetWindowTextW(box, title, 64);
      seen_.title = title;
      // Windows' box has its icon at 20, Wine's at 1088; without an icon neither shows one.
      for (const int id : {20, 1088}) {
        const HWND icon = GetDlgItem(box, id);
        seen_.icon = seen_.icon || (icon != nullptr && IsWindowVisible(icon) != 0 &&
                                    SendMessageW(icon, STM_GETICON, 0, 0) != 0);
      }
      // The button drawn as the default, which Enter presses.
      for (const int id : {IDOK, IDYES, IDNO}) {
        const HWND candidate = GetDlgItem(box, id);
        if (candidate != nullptr &&
            (GetWindowLongW(candidate, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
          seen_.defaultButton = id;
        }
      }
      seen_.ownerEnabled = IsWindowEnabled(owner_) != 0;
      seen_.otherEnabled = IsWindowEnabled(other_) != 0;
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    const MessageAnswer answer =
        Win32Dialogs([this](const Form* /*form*/) { return owner_; }).show(message);
    presser.join();
    return answer;
  }

  static HWND boxOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) {
          wchar_t name[16]{};
          GetClassNameW(window, name, 16);
          if (std::wstring(name) != L"#32770" || IsWindowVisible(window) == 0) return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  HWND owner_;
  HWND other_;
  SeenBox seen_;
};

TEST_F(DialogsTest, AQuestionHasYesAsItsDefaultNoIconAndKeepsEveryWindowWaiting) {
  const Message question{"Are You sure to exit?", "Exit Confirmation", MessageButtons::YesNo};
  EXPECT_EQ(answer(question, IDNO), MessageAnswer::No);
  EXPECT_EQ(seen_.title, L"Exit Confirmation");
  EXPECT_FALSE(seen_.icon);
  EXPECT_EQ(seen_.defaultButton, IDYES);
  EXPECT_FALSE(seen_.ownerEnabled);
  EXPECT_FALSE(seen_.otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_TRUE(IsWindowEnabled(other_));
  EXPECT_EQ(answer(question, IDYES), MessageAnswer::Yes);
}

TEST_F(DialogsTest, ANoticeHasOnlyOkAndTitlesBeyondTheCodePageArriveWhole) {
  EXPECT_EQ(answer({"Time Up", "Waktu Habis — ñ", MessageButtons::Ok}, IDOK), MessageAnswer::Ok);
  EXPECT_EQ(seen_.title, L"Waktu Habis \u2014 \u00f1");
  EXPECT_FALSE(seen_.icon);
  EXPECT_EQ(seen_.defaultButton, IDOK);
}

}  // namespace
}  // namespace reminder
