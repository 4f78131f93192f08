// The real starter with the auto-run program's command lines: never through a shell.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "frontend/qt/qt_command_starter.h"

namespace reminder {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

class PickedProgramStartTest : public ::testing::Test {
 protected:
  std::string at(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }

  // An executable script at "my tools/rec prog" that writes its arguments, one a line, to
  // the record.
  std::string recorder() {
    std::string path = at("my tools/rec prog");
    fs::create_directories(at("my tools"));
    std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                        << at("part") << "'\nmv '" << at("part") << "' '" << at("record") << "'\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  // The arguments the recorder was started with, waiting up to five seconds for them.
  Words recorded() {
    for (int waited = 0; waited < 5000 && !fs::exists(at("record")); waited += 10) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(fs::exists(at("record"))) << "the program did not run";
    std::ifstream in(at("record"));
    Words words;
    for (std::string line; std::getline(in, line);) words.push_back(line);
    fs::remove(at("record"));
    return words;
  }

  static StartOutcome start(const std::string& line) {
    return QtCommandStarter().start(line, WindowStyle::NormalWithFocus);
  }

  QTemporaryDir dir_;
};

TEST_F(PickedProgramStartTest, AFileNamedWholeStartsAsItIsOtherwiseQuotesGroupWords) {
  const std::string program = recorder();
  ASSERT_TRUE(start(program).started);
  EXPECT_EQ(recorded(), Words{});
  ASSERT_TRUE(start("\"" + program + "\" \"two words\" plain").started);
  EXPECT_EQ(recorded(), (Words{"two words", "plain"}));
}

TEST_F(PickedProgramStartTest, ShellSyntaxReachesTheProgramAsLiteralWords) {
  const std::string quoted = "\"" + recorder() + "\"";
  const std::string x = at("X");
  ASSERT_TRUE(
      start(quoted + " ; touch " + x + " $(touch " + x + ") " + at("*") + " $HOME > " + x).started);
  EXPECT_EQ(recorded(), (Words{";", "touch", x, "$(touch", x + ")", at("*"), "$HOME", ">", x}));
  // A shell makes X before the program starts: it substitutes and redirects first.
  EXPECT_FALSE(fs::exists(x));
}

TEST_F(PickedProgramStartTest, WhatCannotBeStartedIsReportedWithAReason) {
  std::ofstream(at("notes.txt")) << "not a program\n";
  for (const std::string& line : {std::string(), std::string("   "), at("gone"), at("notes.txt")}) {
    const StartOutcome outcome = start(line);
    EXPECT_FALSE(outcome.started) << line;
    EXPECT_FALSE(outcome.error.empty()) << line;
  }
}

}  // namespace
}  // namespace reminder
