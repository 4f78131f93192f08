// Starting command lines on Windows: the system commands from the program's own folder or the
// system folder only, everything else as it stands.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fstream>

#include "frontend/win32/win32_test_support.h"
#include "system/windows/system_command_lookup.h"
#include "system/windows/windows_command_starter.h"

namespace reminder {
namespace {

namespace fs = std::filesystem;
using test::ownFolder;
using test::recordedLines;
using test::TemporaryFolder;

TEST(SystemCommandNameTest, OnlyTheBareNamesOfTheSystemCommandsAreLookedUp) {
  EXPECT_EQ(systemCommandName(L"shutdown -s -t 00"), L"shutdown");
  EXPECT_EQ(systemCommandName(L"taskkill /im wmplayer.exe"), L"taskkill");
  EXPECT_EQ(systemCommandName(L"ShutDown.EXE -s"), L"shutdown");
  EXPECT_EQ(systemCommandName(L"taskkill"), L"taskkill");
  for (const wchar_t* other :
       {L"", L"shutdowner -s", L"shut down", L"notepad.exe",
        L"C:\\Windows\\System32\\shutdown.exe -s", L"\"shutdown\" -s", L".\\taskkill.exe /im x"}) {
    EXPECT_FALSE(systemCommandName(other)) << fs::path(other).string();
  }
}

void touch(const fs::path& file) {
  std::ofstream(file) << "x";
}

TEST(FindProgramFileTest, TheFirstFolderThatHasItWinsAndNoFolderMeansNotTheCurrentOne) {
  const TemporaryFolder first;
  const TemporaryFolder second;
  touch(second.path() / "shutdown.exe");
  const std::vector<std::wstring> both{first.path().wstring(), second.path().wstring()};
  EXPECT_EQ(findProgramFile(L"shutdown", both), (second.path() / "shutdown.exe").wstring());
  touch(first.path() / "shutdown.exe");
  EXPECT_EQ(findProgramFile(L"shutdown", both), (first.path() / "shutdown.exe").wstring());
  EXPECT_EQ(findProgramFile(L"shutdown", {first.path().wstring() + L"\\"}),
            (first.path() / "shutdown.exe").wstring());
  EXPECT_FALSE(findProgramFile(L"taskkill", both));
  // A folder named "taskkill.exe" is no program.
  fs::create_directory(second.path() / "taskkill.exe");
  EXPECT_FALSE(findProgramFile(L"taskkill", {second.path().wstring()}));

  const fs::path before = fs::current_path();
  fs::current_path(first.path());
  EXPECT_FALSE(findProgramFile(L"shutdown", {}));
  EXPECT_FALSE(findProgramFile(L"shutdown", {std::wstring()}));
  fs::current_path(before);
}

TEST(FindProgramFileTest, SystemCommandsAreLookedForBesideTheProgramThenInTheSystemFolder) {
  wchar_t system[MAX_PATH];
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(systemCommandFolders(),
            (std::vector<std::wstring>{ownFolder().wstring(), std::wstring(system, length)}));
}

class CommandStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableW(L"REMINDER_RECORD", nullptr);
    for (const char* log : {"shutdown.log", "taskkill.log"}) fs::remove(ownFolder() / log);
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"REMINDER_RECORD", nullptr);
    SetEnvironmentVariableW(L"PATH", path_.c_str());
    fs::current_path(ownFolder());
  }

  static StartOutcome start(const std::string& line,
                            WindowStyle style = WindowStyle::MinimizedWithFocus) {
    return WindowsCommandStarter().start(line, style);
  }

  // A stand-in in a folder that is both the current folder and first on PATH, where a
  // downloaded program of the same name could be.
  void planted(const TemporaryFolder& folder) {
    for (const char* name : {"shutdown.exe", "taskkill.exe"}) {
      fs::copy_file(ownFolder() / STAND_IN_NAME, folder.path() / name);
    }
    fs::current_path(folder.path());
    std::wstring path = folder.path().wstring();
    path.append(L";").append(path_);
    SetEnvironmentVariableW(L"PATH", path.c_str());
  }

  std::wstring path_ = [] {
    std::wstring value(32768, L'\0');
    value.resize(GetEnvironmentVariableW(L"PATH", value.data(), 32768));
    return value;
  }();
};

TEST_F(CommandStartTest, SystemCommandsRunFromTheProgramsFolderWithTheirLineUnchanged) {
  const TemporaryFolder downloads;
  planted(downloads);
  ASSERT_TRUE(start("shutdown -s -t 00").started);
  EXPECT_EQ(recordedLines(ownFolder() / "shutdown.log"), "shutdown -s -t 00\r\n");
  ASSERT_TRUE(start("taskkill /im wmplayer.exe").started);
  EXPECT_EQ(recordedLines(ownFolder() / "taskkill.log"), "taskkill /im wmplayer.exe\r\n");
  EXPECT_FALSE(fs::exists(downloads.path() / "shutdown.log"));
  EXPECT_FALSE(fs::exists(downloads.path() / "taskkill.log"));
}

TEST_F(CommandStartTest, APickedProgramStartsWithItsLineAsItStands) {
  const TemporaryFolder folder;
  fs::create_directory(folder.path() / "my tools");
  const fs::path program = folder.path() / "my tools" / "rec prog.exe";
  fs::copy_file(ownFolder() / STAND_IN_NAME, program);
  const fs::path record = folder.path() / "record.txt";
  SetEnvironmentVariableW(L"REMINDER_RECORD", record.c_str());
  std::string line = "\"";
  line.append(program.string()).append("\" \"two words\" plain");
  ASSERT_TRUE(start(line, WindowStyle::NormalWithFocus).started);
  EXPECT_EQ(recordedLines(record), line + "\r\n");
}

TEST_F(CommandStartTest, WhatCannotStartSaysWhy) {
  const StartOutcome empty = start("");
  EXPECT_FALSE(empty.started);
  EXPECT_FALSE(empty.error.empty());
  const StartOutcome missing = start("C:\\no such folder\\no such program.exe");
  EXPECT_FALSE(missing.started);
  EXPECT_NE(missing.error.find("CreateProcess failed"), std::string::npos) << missing.error;
}

}  // namespace
}  // namespace reminder
