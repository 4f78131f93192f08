#include "frontend/win32/win32_attention.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace reminder {

void Win32Attention::playTimeUpSound() {
  // Asynchronous, so the Time Up box is not held up; silent where the user's scheme has no
  // sound for notifications.
  PlaySoundW(L"Notification.Default", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace reminder
