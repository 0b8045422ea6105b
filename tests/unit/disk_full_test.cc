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

// A log of one QSO exported with room to spare, then grown to 51 QSOs for
// an export on a full disk.
struct GrownLog {
  GrownLog() {
    exportObject.prepareHeader("F6BBB", settings, op);
    QsoRecord qso;
    qso.call = "DL1XX";
    qso.mode = "CW";
    qso.exchangeSent = "75";
    qso.exchangeReceived = "001";
    log.append(qso);
    EXPECT_EQ(exportObject.exportLog(log, 3).text, "File produced: F6BBB.cbr");
    for (int i = 0; i < 50; ++i) log.append(qso);
  }
  bool exportSaysNotProduced() {
    return exportObject.exportLog(log, 3).text == "File not produced: F6BBB.cbr";
  }
  MemorySettings settings;
  ScriptedOperator op;
  CabrilloExport exportObject;
  QsoLog log;
};

TEST_F(DiskFull, CabrilloExportKeepsTheEarlierLogAndSaysNotProduced) {
  GrownLog grown;
  const std::string earlier = folder.readFile("F6BBB.cbr");
  EXPECT_TRUE(testing::inChildWithFileSizeLimit(kRoomLeft, [&grown] {
    return grown.exportSaysNotProduced();
  }));
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), earlier);
  EXPECT_TRUE(noTemporaryLeft());
}

// A folder that takes no new file has the log written in place; a full disk
// must not cost the earlier log there either. The export runs as an ordinary
// user, who may write the earlier log but not create files in root's folder.
TEST_F(DiskFull, CabrilloInPlaceWriteKeepsTheEarlierLogAndSaysNotProduced) {
  GrownLog grown;
  const std::string earlier = folder.readFile("F6BBB.cbr");
  std::filesystem::permissions(folder.path() / "F6BBB.cbr", std::filesystem::perms::others_write,
                               std::filesystem::perm_options::add);
  EXPECT_TRUE(testing::inChildWithFileSizeLimit(kRoomLeft, [&grown] {
    return testing::inUnprivilegedChild([&grown] { return grown.exportSaysNotProduced(); });
  }));
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), earlier);
  EXPECT_TRUE(noTemporaryLeft());
}

}  // namespace
}  // namespace velmora
