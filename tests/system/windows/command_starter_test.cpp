// Starting command lines on Windows: the system commands from the system folder only, the
// user's program as exactly the file its line names.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fstream>

#include "frontend/win32/win32_test_support.h"
#include "system/windows/system_command_lookup.h"
#include "system/windows/wide_text.h"
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

// The stand-ins in the system folder write beside themselves; so would a planted one.
TEST_F(CommandStartTest, SystemCommandsRunFromTheSystemFolderOnlyWithTheirLineUnchanged) {
  const TemporaryFolder downloads;
  planted(downloads);
  wchar_t system[MAX_PATH];
  const fs::path systemFolder(std::wstring(system, GetSystemDirectoryW(system, MAX_PATH)));
  for (const std::string line : {"shutdown -s -t 00", "taskkill /im wmplayer.exe"}) {
    const std::string name = line.substr(0, line.find(' '));
    fs::remove(systemFolder / (name + ".log"));
    ASSERT_TRUE(start(line).started) << line;
    EXPECT_EQ(recordedLines(systemFolder / (name + ".log")), line + "\r\n");
    for (const fs::path& folder : {downloads.path(), ownFolder()}) {
      EXPECT_FALSE(fs::exists(folder / (name + ".log"))) << folder.string();
    }
  }
}

// Exactly the file picked runs, once, as its own quoted first word, however its path is
// written: not "C:\Program.exe" nor "C:\Program Files\Picked.exe", which Windows would try
// before an unquoted "C:\Program Files\Picked App\picked app.exe".
class PickedPathTest : public CommandStartTest, public ::testing::WithParamInterface<int> {};

TEST_P(PickedPathTest, RunsThatFileAndNoOther) {
  const TemporaryFolder temp;
  const fs::path programFiles = "C:\\Program Files";
  const fs::path folders[] = {programFiles / "Picked App", temp.path() / L"Lagu \u00f1and\u00fa",
                              test::deepFolder(temp.path(), 300)};
  const fs::path& folder = folders[GetParam()];
  std::error_code madeAlready;
  fs::create_directories(folder, madeAlready);
  const fs::path program = folder / L"picked \u00e4pp.exe";
  test::putFile(program, true);
  for (const fs::path& trap : {fs::path("C:\\Program.exe"), programFiles / "Picked.exe"}) {
    test::putFile(trap, true);
  }
  const fs::path record = temp.path() / "record.txt";
  SetEnvironmentVariableW(L"REMINDER_RECORD", record.c_str());
  const std::string path = utf8Text(program.native());
  const StartOutcome outcome = start(path, WindowStyle::NormalWithFocus);
  ASSERT_TRUE(outcome.started) << path << ": " << outcome.error;
  EXPECT_EQ(recordedLines(record), "\"" + path + "\"\r\n");
}

INSTANTIATE_TEST_SUITE_P(WithBlanksLettersBeyondTheCodePageAndDeeperThanTheOldLimit, PickedPathTest,
                         ::testing::Values(0, 1, 2));

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
  EXPECT_NE(missing.error.find("is no program file"), std::string::npos) << missing.error;
  const StartOutcome unknown = start("no-such-program --help");
  EXPECT_NE(unknown.error.find("no-such-program is not a program on PATH"), std::string::npos)
      << unknown.error;
}

}  // namespace
}  // namespace reminder
