// A settings write that cannot be finished leaves the earlier settings file
// exactly as it was (the Linux store writes a temporary file first).

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_settings_store.h"
#include "working_folder.h"

namespace velmora {
namespace {

TEST(SettingsWrite, UnfinishedWriteKeepsTheEarlierFile) {
  testing::WorkingFolder folder;
  const std::string earlier = "[Settings]\r\nName=Jean Dupont\r\nClaimed=12\r\n";
  folder.writeFile("Plugins/VIRDO.ini", earlier);
  // The temporary file cannot be made where a folder of its name stands.
  std::filesystem::create_directory(folder.path() / "Plugins" / "VIRDO.ini.part");

  FileSettingsStore settings(kSettingsFileName);
  settings.write("Settings", "Claimed", "345");

  EXPECT_EQ(folder.readFile("Plugins/VIRDO.ini"), earlier);
  EXPECT_EQ(settings.read("Settings", "Name", ""), "Jean Dupont");
}

TEST(SettingsWrite, FinishedWriteLeavesNoTemporaryFile) {
  testing::WorkingFolder folder;
  std::filesystem::create_directory(folder.path() / "Plugins");
  FileSettingsStore settings(kSettingsFileName);
  settings.write("Settings", "Claimed", "345");
  EXPECT_EQ(folder.readFile("Plugins/VIRDO.ini"), "[Settings]\r\nClaimed=345\r\n");
  EXPECT_FALSE(folder.exists("Plugins/VIRDO.ini.part"));
}

}  // namespace
}  // namespace velmora
