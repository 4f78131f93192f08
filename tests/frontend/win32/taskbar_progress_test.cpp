// What the task bar is told over countdowns: the seconds passed, paused while the reminder
// waits, no progress once it is over, and what changed within one turn of the loop once.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "frontend/win32/win32_taskbar_progress.h"

namespace reminder {
namespace {

// The name of each state the task bar knows, so that a slip to any other shows as itself.
std::string stateName(TBPFLAG state) {
  switch (state) {
    case TBPF_NOPROGRESS:
      return "none";
    case TBPF_INDETERMINATE:
      return "indeterminate";
    case TBPF_NORMAL:
      return "normal";
    case TBPF_ERROR:
      return "error";
    case TBPF_PAUSED:
      return "paused";
  }
  return "state " + std::to_string(static_cast<int>(state));
}

// Notes the values and states it is given ("3/60", "normal", "paused", "none").
class RecordingTaskbar final : public ITaskbarList3 {
 public:
  HRESULT STDMETHODCALLTYPE SetProgressValue(HWND, ULONGLONG done, ULONGLONG total) override {
    calls.push_back(std::to_string(done) + "/" + std::to_string(total));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetProgressState(HWND, TBPFLAG state) override {
    calls.push_back(stateName(state));
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }

  std::vector<std::string> calls;
  ULONG references = 1;

 private:
#define NOT_ASKED(name, ...)                             \
  HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
    return E_NOTIMPL;                                    \
  }
  NOT_ASKED(QueryInterface, REFIID, void**)
  NOT_ASKED(HrInit)
  NOT_ASKED(AddTab, HWND)
  NOT_ASKED(DeleteTab, HWND)
  NOT_ASKED(ActivateTab, HWND)
  NOT_ASKED(SetActiveAlt, HWND)
  NOT_ASKED(MarkFullscreenWindow, HWND, WINBOOL)
  NOT_ASKED(RegisterTab, HWND, HWND)
  NOT_ASKED(UnregisterTab, HWND)
  NOT_ASKED(SetTabOrder, HWND, HWND)
  NOT_ASKED(SetTabActive, HWND, HWND, DWORD)
  NOT_ASKED(ThumbBarAddButtons, HWND, UINT, LPTHUMBBUTTON)
  NOT_ASKED(ThumbBarUpdateButtons, HWND, UINT, LPTHUMBBUTTON)
  NOT_ASKED(ThumbBarSetImageList, HWND, HIMAGELIST)
  NOT_ASKED(SetOverlayIcon, HWND, HICON, LPCWSTR)
  NOT_ASKED(SetThumbnailTooltip, HWND, LPCWSTR)
  NOT_ASKED(SetThumbnailClip, HWND, RECT*)
#undef NOT_ASKED
};

using Calls = std::vector<std::string>;

TEST(TaskbarProgressTest, CountdownsShowTheirSecondsPausedAtTimeUpAndNoProgressWhenOver) {
  RecordingTaskbar taskbar;
  const HWND window = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      nullptr, nullptr);
  {
    Win32TaskbarProgress progress([&taskbar] {
      taskbar.AddRef();
      return &taskbar;
    });
    progress.attach(window);
    // The calls of one turn of the message loop.
    const auto sent = [&taskbar] {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      return std::exchange(taskbar.calls, {});
    };
    progress.show(0, 120);
    EXPECT_EQ(sent(), (Calls{"0/120", "normal"}));
    // Seconds caught up after a sleep go as one; what is shown already goes no more.
    for (const int passed : {1, 2, 3}) progress.show(passed, 120);
    EXPECT_EQ(sent(), (Calls{"3/120", "normal"}));
    progress.show(3, 120);
    EXPECT_EQ(sent(), Calls{});
    progress.show(120, 120);
    progress.showTimeUp();
    EXPECT_EQ(sent(), (Calls{"120/120", "paused"}));
    // OK in the box, or Cancel.
    progress.clear();
    progress.clear();
    EXPECT_EQ(sent(), Calls{"none"});
    // A new button (Explorer started again) is shown what is wanted, from a list of its own.
    progress.show(5, 60);
    EXPECT_EQ(sent(), (Calls{"5/60", "normal"}));
    SendMessageW(window, RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
    EXPECT_EQ(sent(), (Calls{"5/60", "normal"}));
  }
  DestroyWindow(window);
  EXPECT_EQ(taskbar.references, 1U);
}

}  // namespace
}  // namespace reminder
