// What the program picker shows on Windows: the drives, and in a folder its subfolders and
// its programs, without hidden entries.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fstream>

#include "frontend/win32/win32_test_support.h"
#include "system/windows/windows_file_system.h"

namespace reminder {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::string utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

fs::path fromUtf8(const std::string& text) {
  return {std::u8string(text.begin(), text.end())};
}

void hide(const fs::path& path) {
  SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
}

TEST(WindowsFileSystemTest, TheSystemDriveComesFirstAndEveryDriveIsARoot) {
  wchar_t windows[MAX_PATH];
  GetSystemWindowsDirectoryW(windows, MAX_PATH);
  const Names drives = WindowsFileSystem().drives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(fromUtf8(drives.front()), fs::path(std::wstring(windows, 3)));
  for (const std::string& drive : drives) {
    EXPECT_EQ(drive.size(), 3U) << drive;
    EXPECT_EQ(drive.substr(1), ":\\") << drive;
  }
}

class FolderListTest : public ::testing::Test {
 protected:
  std::string at(const std::string& name) const { return utf8(folder_.path() / fromUtf8(name)); }
  void file(const std::string& name) const { std::ofstream(fromUtf8(at(name))) << "x"; }
  void folder(const std::string& name) const { fs::create_directory(fromUtf8(at(name))); }

  test::TemporaryFolder folder_;
  WindowsFileSystem files_;
};

TEST_F(FolderListTest, SubfoldersAreFullPathsInReadingOrderWithoutHiddenOnes) {
  folder("beta");
  folder("Alpha");
  folder("gamma.exe");
  folder("secret");
  hide(fromUtf8(at("secret")));
  file("delta.exe");
  EXPECT_EQ(files_.subfolders(utf8(folder_.path())),
            (Names{at("Alpha"), at("beta"), at("gamma.exe")}));
  EXPECT_EQ(at("x").substr(at("x").size() - 2), "\\x");
}

TEST_F(FolderListTest, ProgramsAreTheExeFilesByNameInAnyLetterCase) {
  file("Tool.EXE");
  file("app.exe");
  file("readme.txt");
  file("exe");
  file("hidden.exe");
  hide(fromUtf8(at("hidden.exe")));
  folder("folder.exe");
  EXPECT_EQ(files_.programs(utf8(folder_.path())), (Names{"app.exe", "Tool.EXE"}));
}

TEST_F(FolderListTest, NamesBeyondTheCodePageArriveWhole) {
  folder("Lagu ñandú");
  file("Übung 日本.exe");
  EXPECT_EQ(files_.subfolders(utf8(folder_.path())), Names{at("Lagu ñandú")});
  EXPECT_EQ(files_.programs(utf8(folder_.path())), Names{"Übung 日本.exe"});
  EXPECT_EQ(files_.programs(at("Lagu ñandú")), Names{});
}

TEST_F(FolderListTest, FoldersDeeperThanThePathLimitOfOldAreListed) {
  const fs::path deep = test::deepFolder(folder_.path(), 300);
  test::putFile(deep / "app.exe", false);
  CreateDirectoryW((L"\\\\?\\" + (deep / "inner").native()).c_str(), nullptr);
  EXPECT_EQ(files_.programs(utf8(deep)), Names{"app.exe"});
  EXPECT_EQ(files_.subfolders(utf8(deep)), Names{utf8(deep / "inner")});
}

TEST_F(FolderListTest, AFolderThatCannotBeReadHasNoList) {
  EXPECT_FALSE(files_.subfolders(at("missing")));
  EXPECT_FALSE(files_.programs(at("missing")));
  file("plain.txt");
  EXPECT_FALSE(files_.programs(at("plain.txt")));
  EXPECT_EQ(files_.separator(), '\\');
}

}  // namespace
}  // namespace reminder
