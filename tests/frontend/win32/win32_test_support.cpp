#include "frontend/win32/win32_test_support.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fstream>

namespace reminder::test {

namespace fs = std::filesystem;

void pumpMessagesUntil(const std::function<bool()>& done) {
  MSG message;
  while (!done() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

TemporaryFolder::TemporaryFolder() {
  static int made = 0;
  path_ = fs::temp_directory_path() /
          ("reminder-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made));
  fs::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string recordedLines(const fs::path& file) {
  // The stand-in writes its record in one piece; a started process may take a while to run
  // (the bound only keeps a program that never ran from hanging the test).
  std::error_code error;
  for (int waited = 0; !fs::exists(file, error) || fs::file_size(file, error) == 0; waited += 10) {
    if (waited > 30'000) return "(nothing recorded)";
    Sleep(10);
  }
  // Each line starts with the stand-in's creation time, which these tests do not need.
  std::ifstream in(file, std::ios::binary);
  std::string lines;
  for (std::string line; std::getline(in, line);) {
    const auto space = line.find(' ');
    lines += (space == std::string::npos ? line : line.substr(space + 1)) + '\n';
  }
  return lines;
}

fs::path ownFolder() {
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  return fs::path(buffer.substr(0, length)).parent_path();
}

fs::path deepFolder(const fs::path& base, std::size_t length) {
  fs::path folder = base;
  while (folder.native().size() < length) {
    folder /= L"a folder thirty characters lon";
    CreateDirectoryW((L"\\\\?\\" + folder.native()).c_str(), nullptr);
  }
  return folder;
}

void putFile(const fs::path& at, bool standIn) {
  const std::wstring target = L"\\\\?\\" + at.native();
  if (standIn) {
    CopyFileW((ownFolder() / STAND_IN_NAME).c_str(), target.c_str(), FALSE);
    return;
  }
  CloseHandle(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace reminder::test
