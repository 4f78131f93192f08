// The auto-run picker over drives and folders of any names, some of which cannot be read:
// walking drives and folders and picking files in any order. The file list shows the open
// folder's programs, the folders above lead back to a drive, and a picked file's path is
// its folder, one separator and its name.
#include "behaviour/expiry/expiry_sequence.h"
#include "fuzz/fuzz_support.h"

namespace reminder::fuzz {
namespace {

struct Tree {
  char separator = '/';
  std::vector<std::string> folders;  // every folder, drives first
};

std::string pathIn(const Tree& tree, const std::string& folder, const std::string& name) {
  return folder.back() == tree.separator ? folder + name : folder + tree.separator + name;
}

// A name as a file system allows it: anything but a separator and the end of a string.
// (A backslash is allowed in a POSIX name, but the folder list takes it for a separator.)
std::string anyName(FuzzedDataProvider& in) {
  std::string name = in.ConsumeRandomLengthString(10);
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  }
  return name.empty() ? "_" : name;
}

template <typename T>
const T* anyOf(FuzzedDataProvider& in, const std::vector<T>& items) {
  if (items.empty()) return nullptr;
  return &items[in.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
}

Tree plantTree(FuzzedDataProvider& in, test::FakeFileSystem& files) {
  Tree tree;
  if (in.ConsumeBool()) {
    files.useBackslash();
    tree.separator = '\\';
    tree.folders = {"C:\\", "D:\\"};
  } else {
    tree.folders = {"/", "/media/usb"};
  }
  for (const std::string& drive : tree.folders) files.addDrive(drive);
  for (int i = in.ConsumeIntegralInRange(0, 10); i > 0; --i) {
    const std::string parent = *anyOf(in, tree.folders);  // copied: the list grows
    const std::string folder = pathIn(tree, parent, anyName(in));
    files.addFolder(parent, folder);
    tree.folders.push_back(folder);
  }
  for (int i = in.ConsumeIntegralInRange(0, 8); i > 0; --i) {
    files.addProgram(*anyOf(in, tree.folders), anyName(in));
  }
  for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i) {
    files.makeUnreadable(*anyOf(in, tree.folders));
  }
  return tree;
}

void requireListsFollowTheFolder(Harness& app, const Tree& tree) {
  const Form2& f = app.form2();
  const std::string& folder = f.Dir1.path();
  if (folder.empty()) return;  // nothing could be read yet
  require(f.File1.files() == app.files.programs(folder).value_or(std::vector<std::string>{}),
          "the file list shows the open folder's programs");
  const std::vector<std::string> above = f.Dir1.openFolders();
  require(!above.empty() && above.back() == folder,
          "the open folder ends the folders above: " + folder);
  require(std::find(tree.folders.begin(), tree.folders.end(), above.front()) != tree.folders.end(),
          "the folders above start at a drive");
}

void step(FuzzedDataProvider& in, Harness& app, const Tree& tree) {
  Form2& f = app.form2();
  switch (in.ConsumeIntegralInRange(0, 8)) {
    case 0:
      if (const auto* drive = anyOf(in, f.Drive1.drives())) f.Drive1.setDrive(*drive);
      break;
    case 1:
      if (const auto* folder = anyOf(in, f.Dir1.subfolders())) f.Dir1.setPath(*folder);
      break;
    case 2: {
      const std::vector<std::string> above = f.Dir1.openFolders();
      if (const auto* folder = anyOf(in, above)) f.Dir1.setPath(*folder);
      break;
    }
    case 3:
      if (const auto* name = anyOf(in, f.File1.files())) {
        const std::string file = *name;
        f.File1.select(file);
        require(f.Text1.text() == pathIn(tree, f.Dir1.path(), file),
                "a picked file's path is its folder, one separator and its name");
      }
      break;
    case 4:
      enter(in, f.Text1, 16);
      break;
    case 5:
      f.Check1.click();
      break;
    case 6:
      if (in.ConsumeBool()) {
        f.Command1.click();
      } else {
        app.form1().Selprog.click();
      }
      break;
    case 7:
      app.form1().cancel.click();
      break;
    default:
      expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [] {});
      app.time.advance(1'000);
  }
}

}  // namespace

void fuzzOne(FuzzedDataProvider& in) {
  Harness app;
  const Tree tree = plantTree(in, app.files);
  app.program.start();
  app.form1().Selprog.click();
  for (int i = 0; i < 24 && in.remaining_bytes() > 0; ++i) {
    step(in, app, tree);
    requireListsFollowTheFolder(app, tree);
    requireInvariants(app);
  }
}

}  // namespace reminder::fuzz
