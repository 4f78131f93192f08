// Listing a folder whose reading fails part-way through, as a network folder or a failing
// disk does.
#include "platform/folder_listing.h"

#include <dirent.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <fstream>

namespace {

// How many more entries the system hands over before its next read fails; negative: all.
int entriesBeforeFailure = -1;

}  // namespace

// Stands in for the C library's, for this test program: the standard library's folder
// iteration reads through it.
extern "C" dirent* readdir(DIR* folder) {
  static auto* const system =
      reinterpret_cast<dirent* (*)(DIR*)>(dlsym(RTLD_NEXT, "readdir"));  // NOLINT
  if (entriesBeforeFailure == 0) {
    entriesBeforeFailure = -1;
    errno = EIO;
    return nullptr;
  }
  if (entriesBeforeFailure > 0) --entriesBeforeFailure;
  return system(folder);
}

namespace reminder {
namespace {

namespace fs = std::filesystem;

TEST(FolderListing, AFolderThatFailsPartWayIsOneThatCannotBeRead) {
  const QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const fs::path folder = temp.path().toStdString();
  for (int i = 0; i < 10; ++i) std::ofstream(folder / ("file" + std::to_string(i)));
  const auto all = [](const fs::directory_entry&) { return true; };
  const auto name = [](const fs::directory_entry& entry) {
    return entry.path().filename().string();
  };
  ASSERT_EQ(listFolder(folder, all, name)->size(), 10U);

  entriesBeforeFailure = 5;
  const std::optional<std::vector<std::string>> listed = listFolder(folder, all, name);
  EXPECT_FALSE(listed.has_value()) << listed->size() << " of 10 entries shown as complete";
}

}  // namespace
}  // namespace reminder
