#include "plugin/plugin.h"

#include <gtest/gtest.h>

#include <vector>

#include "memory_settings.h"
#include "working_folder.h"

namespace velmora {
namespace {

class RecordingUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override { shown.push_back(request); }
  bool editHeader(HeaderFields& fields) override {
    dialogs.push_back(fields);
    return false;
  }
  std::vector<MessageRequest> shown;
  std::vector<HeaderFields> dialogs;
};

class PluginTest : public ::testing::Test {
 protected:
  RecordingUi ui;
  testing::MemorySettings settings;
  Platform platform{ui, "Plugins/ref.txt", settings};
  Plugin plugin{platform};

  static QsoReport qso(const std::string& call, std::string_view prefix, std::string_view band) {
    QsoReport r;
    r.call = call;
    r.dxccPrefix = prefix;
    r.band = band;
    r.mode = "SSB";
    r.exchangeSent = "001";
    r.exchangeReceived = "75";
    return r;
  }
  static ContestStart start(const char* prefix, int exportRequested = 0) {
    ContestStart s;
    s.myDxccPrefix = prefix;
    s.exportRequested = exportRequested;
    s.myAreaTag = "EU";
    return s;
  }
};

TEST_F(PluginTest, StartsWithLoadTimeValues) {
  EXPECT_EQ(plugin.state().homeIsFrance, 0);
  EXPECT_EQ(plugin.state().exportRequested, 0);
  EXPECT_EQ(plugin.state().myAreaTag, "");
  EXPECT_EQ(plugin.addData(qso("F5AB", "F", "40m")), 1);
  EXPECT_EQ(plugin.addData(qso("DL1XX", "DL", "40m")), 0);
}

TEST_F(PluginTest, ContestStartRecordsOperatorData) {
  EXPECT_EQ(plugin.resetStats(start("F", 5)), 1);
  EXPECT_EQ(plugin.state().homeIsFrance, 1);
  EXPECT_EQ(plugin.state().exportRequested, 5);
  EXPECT_EQ(plugin.state().myAreaTag, "EU");
  plugin.resetStats(start(nullptr));
  EXPECT_EQ(plugin.state().homeIsFrance, 10);
  plugin.resetStats(start("F "));
  EXPECT_EQ(plugin.state().homeIsFrance, 0);
}

TEST_F(PluginTest, ContestStartEmptiesLogAndBandsAndReleasesStorage) {
  plugin.resetStats(start("F"));
  for (int i = 0; i < 50; ++i) plugin.addData(qso("F5A" + std::to_string(i), "F", i % 2 ? "20m" : "40m"));
  ASSERT_EQ(plugin.log().size(), 50u);
  plugin.resetStats(start("F"));
  EXPECT_EQ(plugin.log().size(), 0u);
  EXPECT_EQ(plugin.log().capacity(), 0u);
  EXPECT_EQ(plugin.bands().size(), 0u);
}

TEST_F(PluginTest, SetupShowsTheFixedMessageWithDefaultCaption) {
  plugin.setupSet();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "No additional setup for this contest");
  EXPECT_FALSE(ui.shown[0].caption.has_value());
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(ui.shown[0].ownedByActiveWindow);
}

TEST_F(PluginTest, ResultSortsBandsStoresScoreAndWritesClaimedOnEveryRequest) {
  plugin.resetStats(start("F"));
  plugin.addData(qso("F5AAA", "F", "7"));
  plugin.addData(qso("F5BBB", "F", "14"));
  int flag = 42;
  const std::string first = plugin.getResult(&flag);
  EXPECT_EQ(flag, 42);
  EXPECT_EQ(plugin.bands()[0], "14");
  EXPECT_EQ(plugin.bands()[1], "7");
  EXPECT_EQ(plugin.claimedScore(), 12 * 2);
  EXPECT_EQ(settings.read("Settings", "Claimed", "none"), "24");
  EXPECT_EQ(first.substr(first.rfind("Score")), "Score  = 24\tVelmorat 2011");

  plugin.resetStats(start("DL"));
  plugin.getResult(&flag);
  EXPECT_EQ(settings.writes, 2);
  EXPECT_EQ(settings.read("Settings", "Claimed", "none"), "0");
  EXPECT_EQ(plugin.claimedScore(), 0);
}

TEST_F(PluginTest, ResultTextStaysValidUntilTheNextRequest) {
  plugin.resetStats(start("F"));
  const char* text = plugin.getResult(nullptr);
  const std::string copy = text;
  plugin.addData(qso("F5AAA", "F", "40m"));
  EXPECT_EQ(std::string(text), copy);
  EXPECT_NE(std::string(plugin.getResult(nullptr)), copy);
}

TEST_F(PluginTest, ContestStartKeepsClaimedScore) {
  plugin.resetStats(start("F"));
  plugin.addData(qso("F5AAA", "F", "40m"));
  plugin.getResult(nullptr);
  plugin.resetStats(start("F"));
  EXPECT_EQ(plugin.claimedScore(), 6);
}

TEST_F(PluginTest, ContestStartWithoutExportShowsNoDialog) {
  plugin.resetStats(start("F", 0));
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(PluginTest, CancelledHeaderDialogStillStartsTheContest) {
  ContestStart exporting = start("F", 5);
  exporting.myCall = "F6BBB";
  EXPECT_EQ(plugin.resetStats(exporting), 1);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].callSign, "F6BBB");
  EXPECT_EQ(plugin.state().exportRequested, 5);
  EXPECT_EQ(plugin.state().homeIsFrance, 1);
}

TEST_F(PluginTest, ExportingRequestWritesTheLogAndStoresMinusOne) {
  testing::WorkingFolder folder;
  ContestStart exporting = start("F", 1);
  exporting.myCall = "F6BBB";
  plugin.resetStats(exporting);
  plugin.addData(qso("F5AAA", "F", "40m"));
  int flag = 7;
  plugin.getResult(&flag);
  EXPECT_EQ(flag, -1);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "File produced: F6BBB.cbr");
  EXPECT_EQ(ui.shown[0].caption, "Output");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
  EXPECT_TRUE(ui.shown[0].ownedByActiveWindow);
  const std::string log = folder.readFile("F6BBB.cbr");
  EXPECT_NE(log.find("CLAIMED-SCORE: 6\r\n"), std::string::npos);
  EXPECT_NE(log.find("QSO: "), std::string::npos);
  EXPECT_TRUE(folder.exists("cabrillo.ini"));
  EXPECT_NE(plugin.getResult(nullptr), nullptr);
}

}  // namespace
}  // namespace velmora
