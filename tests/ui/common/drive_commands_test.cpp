#include <gtest/gtest.h>

#include "ui/common/command_keys.h"
#include "ui/common/drive_commands.h"

namespace selbrin::face {
namespace {

TEST(CommandLineTest, FileHelpVersionOrWrong) {
  using Ask = CommandLine::Ask;
  struct Row {
    std::vector<const char*> args;
    Ask ask;
    std::string_view file;
  };
  const Row rows[] = {
      {{"selbrin"}, Ask::Run, ""},
      {{"selbrin", "pompa.selbrin"}, Ask::Run, "pompa.selbrin"},
      {{"selbrin", "--help"}, Ask::Help, ""},
      {{"selbrin", "a.selbrin", "-h"}, Ask::Help, ""},
      {{"selbrin", "--version"}, Ask::Version, ""},
      {{"selbrin", "a.selbrin", "b.selbrin"}, Ask::Wrong, ""},
      {{"selbrin", "--bilinmeyen"}, Ask::Wrong, ""},
  };
  for (const Row& row : rows) {
    CommandLine line = ParseCommandLine(static_cast<int>(row.args.size()), row.args.data());
    EXPECT_EQ(line.ask, row.ask) << row.args.back();
    EXPECT_EQ(line.file, row.file) << row.args.back();
  }
}

// No two commands of the background menu share keys.
TEST(CommandLineTest, DriveShortcutsAreTheirOwn) {
  for (const DriveCommandDef& def : kDriveCommands) {
    EXPECT_EQ(CommandForKeys(def.keys.shift, def.keys.letter), std::nullopt) << def.name;
    EXPECT_EQ(DriveCommandForKeys(def.keys.shift, def.keys.letter), def.command) << def.name;
  }
}

}  // namespace
}  // namespace selbrin::face
