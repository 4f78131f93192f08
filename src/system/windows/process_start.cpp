#include "system/windows/process_start.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <optional>

#include "system/windows/long_path.h"
#include "system/windows/system_command_lookup.h"
#include "system/windows/wide_text.h"

namespace reminder {

namespace {

constexpr DWORD kLongestPath = 32768;

bool isFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(extendedPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring fullPath(const std::wstring& path) {
  std::wstring full(kLongestPath, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), kLongestPath, full.data(), nullptr);
  if (length == 0 || length >= kLongestPath) return path;
  full.resize(length);
  return full;
}

// The short (8.3) form of a path given with the "\\?\" prefix, without the prefix where it
// fits in the old limit; empty where the volume keeps no short names.
std::wstring shortPath(const std::wstring& extended) {
  std::wstring brief(kLongestPath, L'\0');
  const DWORD length = GetShortPathNameW(extended.c_str(), brief.data(), kLongestPath);
  if (length == 0 || length >= kLongestPath) return {};
  brief.resize(length);
  constexpr std::size_t kPrefix = 4;
  if (brief.starts_with(L"\\\\?\\") && brief.size() - kPrefix < MAX_PATH) brief.erase(0, kPrefix);
  return brief == extended ? std::wstring() : brief;
}

// A bare program name in the folders of PATH, as ".exe" where it has no extension of its own.
std::optional<std::wstring> onPath(const std::wstring& name) {
  std::wstring folders(kLongestPath, L'\0');
  const DWORD length = GetEnvironmentVariableW(L"PATH", folders.data(), kLongestPath);
  if (length == 0 || length >= kLongestPath) return std::nullopt;
  folders.resize(length);
  std::wstring found(kLongestPath, L'\0');
  const DWORD size =
      SearchPathW(folders.c_str(), name.c_str(), L".exe", kLongestPath, found.data(), nullptr);
  if (size == 0 || size >= kLongestPath) return std::nullopt;
  found.resize(size);
  return found;
}

// The line's first word as Windows reads a program's name, and the rest after it.
std::pair<std::wstring, std::wstring> firstWord(const std::wstring& line) {
  if (line.front() == L'"') {
    const std::size_t closing = line.find(L'"', 1);
    if (closing == std::wstring::npos) return {line.substr(1), {}};
    return {line.substr(1, closing - 1), line.substr(closing + 1)};
  }
  const std::size_t blank = line.find_first_of(L" \t");
  if (blank == std::wstring::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank)};
}

bool hasFolder(const std::wstring& path) {
  return path.find_first_of(L"\\/:") != std::wstring::npos;
}

ProcessLaunch program(const std::wstring& file, const std::wstring& arguments) {
  return {extendedPath(file), L"\"" + file + L"\"" + arguments, {}};
}

ProcessLaunch userProgram(const std::wstring& line) {
  if (hasFolder(line)) {
    if (const std::wstring whole = fullPath(line); isFile(whole)) return program(whole, {});
  }
  const auto [name, arguments] = firstWord(line);
  if (name.empty()) return {{}, {}, "no program named"};
  if (hasFolder(name)) {
    const std::wstring file = fullPath(name);
    if (isFile(file)) return program(file, arguments);
    return {{}, {}, utf8Text(file) + " is no program file (a path with blanks goes in quotes)"};
  }
  if (const auto file = onPath(name)) return program(*file, arguments);
  return {{}, {}, utf8Text(name) + " is not a program on PATH"};
}

}  // namespace

ProcessLaunch launchFor(const std::string& commandLine) {
  const std::wstring line = wideText(commandLine);
  const std::size_t first = line.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {{}, {}, "the command line is empty"};
  if (const auto name = systemCommandName(line)) {
    if (const auto file = systemCommandFile(*name)) return {*file, line, {}};
    return {{}, {}, utf8Text(*name) + ".exe is not in the system folder"};
  }
  return userProgram(line.substr(first));
}

StartedProcess startProcess(const std::string& commandLine, int show) {
  ProcessLaunch launch = launchFor(commandLine);
  if (!launch.error.empty()) return {nullptr, launch.error};
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process{};
  // CreateProcessW may write into the command line: `launch` holds a copy of its own.
  const auto create = [&](const std::wstring& file) {
    return CreateProcessW(file.c_str(), launch.commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &process) != 0;
  };
  bool created = create(launch.file);
  // Where the system does not start programs past the old path limit, the file's short
  // name, which stays within it, still names exactly that file.
  if (!created && launch.file.starts_with(L"\\\\?\\")) {
    if (const std::wstring brief = shortPath(launch.file); !brief.empty()) created = create(brief);
  }
  if (!created) {
    return {nullptr, "CreateProcess failed with error " + std::to_string(GetLastError())};
  }
  CloseHandle(process.hThread);
  const std::size_t slash = launch.file.find_last_of(L'\\');
  return {process.hProcess, {}, utf8Text(launch.file.substr(slash + 1))};
}

}  // namespace reminder
