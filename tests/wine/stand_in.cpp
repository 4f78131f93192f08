// A recording stand-in for a program the reminder starts (shutdown.exe, taskkill.exe, a picked
// program): it appends its command line, as it was given, as one UTF-8 line to the file that
// REMINDER_RECORD names, or else to NAME.log beside itself, and ends at once with 0. Each line
// starts with the process's creation time (20 digits and a space): stand-ins started one after
// another without waiting may write in any order, and that time keeps the order they were
// started in. For the tests of a refused or slow shutdown, REMINDER_EXIT_CODE and
// REMINDER_DELAY_MS set the exit code and a wait before it ends.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring recordFile() {
  std::wstring buffer(32768, L'\0');
  DWORD length =
      GetEnvironmentVariableW(L"REMINDER_RECORD", buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length > 0 && length < buffer.size()) return buffer.substr(0, length);
  length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring own = buffer.substr(0, length);
  const auto dot = own.rfind(L'.');
  return (dot == std::wstring::npos ? own : own.substr(0, dot)) + L".log";
}

unsigned long numberSetting(const wchar_t* name) {
  wchar_t value[32] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 32);
  return length > 0 && length < 32 ? std::wcstoul(value, nullptr, 10) : 0UL;
}

// The creation time in 100 ns steps, zero-padded, so that lines sort as text and as numbers.
std::string creationStamp() {
  FILETIME created{};
  FILETIME unused{};
  FILETIME kernel{};
  FILETIME user{};
  GetProcessTimes(GetCurrentProcess(), &created, &unused, &kernel, &user);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(created.dwHighDateTime) << 32U) | created.dwLowDateTime;
  std::string digits = std::to_string(ticks);
  return std::string(20 - digits.size(), '0') + digits + ' ';
}

}  // namespace

int main() {
  const wchar_t* line = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), size, nullptr, nullptr);
  text = creationStamp() + text + "\r\n";
  // Appended in one write, so lines of stand-ins started one after another stay whole; shared
  // for writing, so a second stand-in writing at the same moment is not refused (and does not
  // end with 1, which the program would take for a failed command).
  const HANDLE file =
      CreateFileW(recordFile().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  if (ok == 0 || written != text.size()) return 1;
  Sleep(numberSetting(L"REMINDER_DELAY_MS"));
  return static_cast<int>(numberSetting(L"REMINDER_EXIT_CODE"));
}
