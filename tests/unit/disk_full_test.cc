// A disk that fills up while the plug-in writes: each write runs in a child
// process whose files may not grow past a few bytes, which fails the write
// half-way exactly as a full disk does. What was on disk before must come
// through whole, and the operator must hear that the log was not produced.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cabrillo/cabrillo_export.h"
#include "child_process.h"
#include "fake_settings.h"
#include "platform/file_settings_store.h"
#include "working_folder.h"

namespace velmora {
namespace {

constexpr std::uint64_t kRoomLeft = 64;  // bytes any file may still take

class DiskFull : public ::testing::Test {
 protected:
  bool noTemporaryLeft() const {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
      if (entry.path().extension() == ".part") return false;
    }
    return true;
  }
  // Writes "Claimed" from a child that has only kRoomLeft bytes of disk.
  static void writeClaimedOnAFullDisk(const std::string& value) {
    EXPECT_TRUE(testing::inChildWithFileSizeLimit(kRoomLeft, [&value] {
      FileSettingsStore(kSettingsFileName).write("Settings", "Claimed", value);
      return true;
    }));
  }
  testing::WorkingFolder folder;
};

TEST_F(DiskFull, SettingsWriteKeepsTheEarlierSettingsFile) {
  const std::string earlier =
      "[Settings]\r\nOperators=F6BBB F5ZZZ\r\nName=Jean Dupont\r\nAddress=1 Main Street\r\n";
  folder.writeFile("Plugins/VIRDO.ini", earlier);
  writeClaimedOnAFullDisk("123456");
  EXPECT_EQ(folder.readFile("Plugins/VIRDO.ini"), earlier);
  EXPECT_TRUE(noTemporaryLeft());
}

// The new value lies near the start of the file, so a write that ran out of
// room half-way would leave the old text's tail behind new bytes.
TEST_F(DiskFull, SettingsChangeNearTheStartKeepsTheEarlierSettingsFile) {
  const std::string earlier =
      "[Settings]\r\nClaimed=1\r\nName=Jean Dupont\r\nAddress=1 Main Street<CR><LF>Springfield\r\n";
  folder.writeFile("Plugins/VIRDO.ini", earlier);
  writeClaimedOnAFullDisk("123456");
  EXPECT_EQ(folder.readFile("Plugins/VIRDO.ini"), earlier);
}

TEST_F(DiskFull, SettingsShorterValueFitsAndLeavesNoOldTail) {
  folder.writeFile("Plugins/VIRDO.ini", "[Settings]\r\nClaimed=123456\r\nName=Jean Dupont\r\n");
  writeClaimedOnAFullDisk("7");
  EXPECT_EQ(folder.readFile("Plugins/VIRDO.ini"), "[Settings]\r\nClaimed=7\r\nName=Jean Dupont\r\n");
}

TEST_F(DiskFull, CabrilloExportKeepsTheEarlierLogAndSaysNotProduced) {
  MemorySettings settings;
  ScriptedOperator op;
  CabrilloExport exportObject;
  exportObject.prepareHeader("F6BBB", settings, op);
  QsoLog log;
  QsoRecord qso;
  qso.call = "DL1XX";
  qso.mode = "CW";
  qso.exchangeSent = "75";
  qso.exchangeReceived = "001";
  log.append(qso);
  ASSERT_EQ(exportObject.exportLog(log, 3).text, "File produced: F6BBB.cbr");
  const std::string earlier = folder.readFile("F6BBB.cbr");
  for (int i = 0; i < 50; ++i) log.append(qso);

  EXPECT_TRUE(testing::inChildWithFileSizeLimit(kRoomLeft, [&] {
    return exportObject.exportLog(log, 3).text == "File not produced: F6BBB.cbr";
  }));
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), earlier);
  EXPECT_TRUE(noTemporaryLeft());
}

}  // namespace
}  // namespace velmora
