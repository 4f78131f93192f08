// The real starter with the auto-run program's command lines: never through a shell.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/posix/posix_command_starter.h"

namespace reminder {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

class PickedProgramStartTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  std::string at(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }

  // An executable script at `name` that writes its arguments, one a line, to the record.
  std::string recorder(const std::string& name) {
    const std::string path = at(name);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                        << at("record.part") << "'\nmv '" << at("record.part") << "' '"
                        << at("record") << "'\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  // The arguments the recorder was started with; fails after five seconds without them.
  Words recorded() {
    for (int waited = 0; waited < 5000 && !fs::exists(at("record")); waited += 10) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(fs::exists(at("record"))) << "the program did not run";
    std::ifstream in(at("record"));
    Words words;
    for (std::string line; std::getline(in, line);) words.push_back(line);
    return words;
  }

  StartOutcome start(const std::string& line) {
    return PosixCommandStarter().start(line, WindowStyle::NormalWithFocus);
  }

  QTemporaryDir dir_;
};

TEST_F(PickedProgramStartTest, ATextNamingAFileStartsThatFileBlanksAndAll) {
  const std::string program = recorder("my tools/rec prog");
  ASSERT_TRUE(start(program).started);
  EXPECT_EQ(recorded(), Words{});
}

TEST_F(PickedProgramStartTest, AnyOtherTextIsTheProgramAndItsArgumentsWithQuotesHonoured) {
  const std::string program = recorder("my tools/rec prog");
  ASSERT_TRUE(start("\"" + program + "\" \"two words\" plain").started);
  EXPECT_EQ(recorded(), (Words{"two words", "plain"}));
}

TEST_F(PickedProgramStartTest, ShellSyntaxReachesTheProgramAsLiteralWords) {
  const std::string program = recorder("rec");
  const std::string x = at("X");
  const std::string y = at("Y");
  ASSERT_TRUE(start(program + " ; touch " + x + " $(touch " + y + ") " + at("*") + " $HOME | tee " +
                    x + " > " + y)
                  .started);
  EXPECT_EQ(recorded(),
            (Words{";", "touch", x, "$(touch", y + ")", at("*"), "$HOME", "|", "tee", x, ">", y}));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // time for a shell to act
  EXPECT_FALSE(fs::exists(x));
  EXPECT_FALSE(fs::exists(y));
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
