// What the program picker browses on this machine.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "system/linux/posix_file_system.h"

namespace reminder {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(PickerFileSystem, ListsVisibleSubfoldersAndTheUsersProgramsSorted) {
  const QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const std::string root = temp.path().toStdString();
  for (const char* folder : {"b-folder", "A-folder", ".hidden"})
    fs::create_directory(root + "/" + folder);
  fs::create_directory_symlink(root + "/b-folder", root + "/linked");
  const auto file = [&](const std::string& name, fs::perms perms) {
    std::ofstream(root + "/" + name) << "#!/bin/sh\n";
    fs::permissions(root + "/" + name, perms);
  };
  file("run.sh", fs::perms::owner_all);
  file("Zed", fs::perms::owner_read | fs::perms::owner_exec);
  file("notes.txt", fs::perms::owner_read | fs::perms::owner_write);
  file(".secret", fs::perms::owner_all);

  const PosixFileSystem files;
  EXPECT_EQ(files.subfolders(root),
            (Names{root + "/A-folder", root + "/b-folder", root + "/linked"}));
  EXPECT_EQ(files.programs(root), (Names{"run.sh", "Zed"}));
  EXPECT_EQ(files.subfolders(root + "/A-folder"), Names{});
  EXPECT_EQ(files.subfolders(root + "/gone"), std::nullopt);
  EXPECT_EQ(files.programs(root + "/run.sh"), std::nullopt);
}

TEST(PickerFileSystem, DrivesAreTheRootHomeAndUserMountsWithoutPseudoFileSystems) {
  const std::string mounts =
      "/dev/sda2 / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw,nosuid 0 0\n"
      "sysfs /sys sysfs rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "/dev/sda1 /boot/efi vfat rw 0 0\n"
      "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
      "/dev/sda3 /home ext4 rw 0 0\n"
      "tmpfs /run/user/1000 tmpfs rw 0 0\n"
      "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
      "/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0\n"
      "/dev/sdc1 /mnt/data ext4 rw 0 0\n"
      "/dev/sdc1 /mnt/data ext4 rw 0 0\n";
  EXPECT_EQ(browsableRoots(mounts, "/home/me"),
            (Names{"/", "/home/me", "/home", "/media/me/USB STICK", "/mnt/data"}));
  EXPECT_EQ(PosixFileSystem().drives().front(), "/");
}

}  // namespace
}  // namespace reminder
