// The auto-run path box: whatever is typed or pasted, the drive-root repair leaves a path to
// the picked file or the text as it was, the status line names it, and one second after an
// expiry exactly that line is started, once. Split into the program and its arguments it
// keeps every word the user wrote, as written: no shell, no expansion.
#include <QString>

#include "behaviour/expiry/expiry_sequence.h"
#include "frontend/qt/command_line.h"
#include "fuzz/fuzz_support.h"

namespace reminder::fuzz {
namespace {

// Two drives' worth of folders, written with backslashes or with slashes.
void plantFiles(test::FakeFileSystem& files, bool backslash) {
  if (backslash) {
    files.useBackslash();
    files.addDrive("C:\\");
    files.addFolder("C:\\", "C:\\Games");
    files.addProgram("C:\\", "setup.exe");
    files.addProgram("C:\\Games", "game.exe");
  } else {
    files.addDrive("/");
    files.addFolder("/", "/home");
    files.addProgram("/", "tool");
    files.addProgram("/home", "my tool");
  }
}

bool isUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString() == text;
}

// Words as blanks separate them, for a line without quotes.
Argv blankSeparated(const std::string& line) {
  Argv words;
  QString word;
  for (const QChar c : QString::fromStdString(line)) {
    if (!c.isSpace()) {
      word += c;
    } else if (!word.isEmpty()) {
      words.push_back(word.toStdString());
      word.clear();
    }
  }
  if (!word.isEmpty()) words.push_back(word.toStdString());
  return words;
}

void requireSplitKeepsTheWords(const std::string& line) {
  const Argv words = splitCommandLine(line);
  if (!isUtf8(line)) return;  // see the note on names that are not UTF-8 in the reliability notes
  if (line.find('"') == std::string::npos) {
    require(words == blankSeparated(line), "a line without quotes splits at its blanks");
  }
  for (const std::string& word : words) {
    require(!word.empty() && isUtf8(word), "every word is a word the user wrote");
  }
}

}  // namespace

void fuzzOne(FuzzedDataProvider& in) {
  Harness app;
  const bool backslash = in.ConsumeBool();
  plantFiles(app.files, backslash);
  app.program.start();
  app.form1().Selprog.click();
  Form2& f = app.form2();
  if (in.ConsumeBool() && !f.Dir1.subfolders().empty()) f.Dir1.setPath(f.Dir1.subfolders().front());
  if (in.ConsumeBool() && !f.File1.files().empty()) f.File1.select(f.File1.files().front());
  const std::string picked = f.Text1.text();
  const char separator = backslash ? '\\' : '/';
  const std::string folder = f.Dir1.path();
  const bool root = !folder.empty() && folder.back() == separator;
  const std::string rebuilt = folder + (root ? "" : std::string(1, separator)) + f.File1.fileName();

  const std::string typed = in.ConsumeRandomLengthString(64);
  if (in.ConsumeBool()) {
    test::type(f.Text1, typed);
  } else {
    f.Text1.userEdit(typed);
  }
  const std::string line = f.Text1.text();
  const bool repaired = line.size() >= 4 && line.compare(2, 2, "\\\\") == 0;
  require(!repaired || line == rebuilt, "two backslashes after the drive are never left");
  // Pasted, or typed after the picked path; or rebuilt, with what was typed after that.
  require(line == typed || line == picked + typed ||
              (line.starts_with(rebuilt) && typed.ends_with(line.substr(rebuilt.size()))),
          "the path box holds what was typed, or the rebuilt path to the picked file");
  requireInvariants(app);

  f.Check1.click();
  require(app.form1().Label12.caption() == "Run " + line, "the status line names the line");
  expiry::RunExpirySequence(app.context(), "Time Set to 5 Minute", [] {});
  app.time.advance(1'000);
  require(app.commands.lines() == std::vector<std::string>{line}, "the line is started once");
  require(app.form1().Label12.caption().empty(), "the choice is used up");
  requireInvariants(app);
  requireSplitKeepsTheWords(line);
}

}  // namespace reminder::fuzz
