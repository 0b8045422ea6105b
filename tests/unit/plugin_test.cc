#include "plugin/plugin.h"

#include <gtest/gtest.h>

#include <vector>

#include "score/band_order.h"

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
  static ContestStart start(OperatorHome home, bool exportRequested = false) {
    ContestStart s;
    s.home = home;
    s.exportRequested = exportRequested;
    s.myAreaTag = "EU";
    return s;
  }
  // The summary's band lines, in their order, each cut after its name.
  std::vector<std::string> summaryBands() {
    std::vector<std::string> bands;
    const std::string text = plugin.summarize().text;
    for (std::size_t at = text.find("\r\n", text.find("QSOs")); at != std::string::npos;) {
      const std::size_t begin = at + 2;
      const std::size_t tab = text.find('\t', begin);
      if (tab == std::string::npos || text.compare(begin, 5, "Total") == 0) break;
      bands.push_back(text.substr(begin, tab - begin));
      at = text.find("\r\n", begin);
    }
    return bands;
  }
};

TEST_F(PluginTest, StartsWithLoadTimeValues) {
  EXPECT_TRUE(plugin.logQso(qso("F5AB", "F", "40m")));
  EXPECT_FALSE(plugin.logQso(qso("DL1XX", "DL", "40m")));  // abroad: foreign stations refused
  const Plugin::Result result = plugin.summarize();
  EXPECT_FALSE(result.exported);
  EXPECT_EQ(result.text.find("DXCC"), std::string::npos);
  EXPECT_NE(result.text.find("\r\n40m\t 1\t 1\t  1\r\n"), std::string::npos);  // both areas empty
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(PluginTest, ContestStartRecordsOperatorData) {
  testing::WorkingFolder folder;
  plugin.startContest(start(OperatorHome::France, true));
  EXPECT_TRUE(plugin.logQso(qso("DL1XX", "DL", "40m")));
  const Plugin::Result inFrance = plugin.summarize();
  EXPECT_TRUE(inFrance.exported);
  EXPECT_NE(inFrance.text.find("DXCC"), std::string::npos);
  EXPECT_NE(inFrance.text.find("\r\n40m\t 1\t 3\t 0\t  1\r\n"), std::string::npos);  // area "" is not "EU"

  plugin.startContest(start(OperatorHome::Unknown));  // scored as in France
  EXPECT_TRUE(plugin.logQso(qso("DL1XX", "DL", "40m")));
  const Plugin::Result unknown = plugin.summarize();
  EXPECT_FALSE(unknown.exported);
  EXPECT_NE(unknown.text.find("DXCC"), std::string::npos);

  plugin.startContest(start(OperatorHome::Abroad));
  EXPECT_FALSE(plugin.logQso(qso("DL1XX", "DL", "40m")));
  EXPECT_EQ(plugin.summarize().text.find("DXCC"), std::string::npos);
}

// Bands arriving between summaries, names with equal keys among them (7,
// 07, 007), come out of every summary in the order that ordering the whole
// list in place gives, also after a contest start.
TEST_F(PluginTest, EverySummaryListsTheBandsAsOrderingTheListGives) {
  const std::vector<std::vector<std::string>> arrivals = {
      {"7", "14"}, {}, {"07", "160m"}, {"14", "3.5"}, {}, {"007", "40m", "7"}, {"1.8"}};
  for (int contest = 0; contest < 2; ++contest) {
    plugin.startContest(start(OperatorHome::France));
    BandList expected;
    int call = 0;
    for (const std::vector<std::string>& bands : arrivals) {
      for (const std::string& band : bands) {
        plugin.logQso(qso("F5A" + std::to_string(++call), "F", band));
        bool listed = false;
        for (const std::string& known : expected) listed = listed || known == band;
        if (!listed) expected.append(band);
      }
      orderBands(expected);
      EXPECT_EQ(summaryBands(), std::vector<std::string>(expected.begin(), expected.end()))
          << "contest " << contest << ", after " << call << " QSOs";
    }
  }
}

TEST_F(PluginTest, ContestStartEmptiesLogAndBandsAndReleasesStorage) {
  plugin.startContest(start(OperatorHome::France));
  for (int i = 0; i < 50; ++i) plugin.logQso(qso("F5A" + std::to_string(i), "F", i % 2 ? "20m" : "40m"));
  ASSERT_EQ(plugin.log().size(), 50u);
  plugin.startContest(start(OperatorHome::France));
  EXPECT_EQ(plugin.log().size(), 0u);
  EXPECT_EQ(plugin.log().capacity(), 0u);
  EXPECT_TRUE(summaryBands().empty());
}

TEST_F(PluginTest, SetupShowsTheFixedMessageWithDefaultCaption) {
  plugin.showSetupMessage();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "No additional setup for this contest");
  EXPECT_FALSE(ui.shown[0].caption.has_value());
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(ui.shown[0].ownedByActiveWindow);
}

TEST_F(PluginTest, ResultSortsBandsStoresScoreAndWritesClaimedOnEveryRequest) {
  plugin.startContest(start(OperatorHome::France));
  plugin.logQso(qso("F5AAA", "F", "7"));
  plugin.logQso(qso("F5BBB", "F", "14"));
  const Plugin::Result result = plugin.summarize();
  EXPECT_FALSE(result.exported);
  const std::string first = result.text;
  EXPECT_EQ(summaryBands(), (std::vector<std::string>{"14", "7"}));
  EXPECT_EQ(settings.read("Settings", "Claimed", "none"), "24");
  EXPECT_EQ(first.substr(first.rfind("Score")), "Score  = 24\tVelmorat 2011");

  plugin.startContest(start(OperatorHome::Abroad));
  const int writes = settings.writes;
  const std::string second = plugin.summarize().text;
  EXPECT_EQ(second.substr(second.rfind("Score")), "Score = 0\tVelmorat 2011");
  EXPECT_EQ(settings.writes, writes + 1);
  EXPECT_EQ(settings.read("Settings", "Claimed", "none"), "0");
}

TEST_F(PluginTest, ResultTextStaysValidUntilTheNextRequest) {
  plugin.startContest(start(OperatorHome::France));
  const char* text = plugin.summarize().text.c_str();
  const std::string copy = text;
  plugin.logQso(qso("F5AAA", "F", "40m"));
  EXPECT_EQ(std::string(text), copy);
  EXPECT_NE(plugin.summarize().text, copy);
}

TEST_F(PluginTest, ContestStartKeepsTheStoredClaimedScore) {
  plugin.startContest(start(OperatorHome::France));
  plugin.logQso(qso("F5AAA", "F", "40m"));
  plugin.summarize();
  const int writes = settings.writes;
  plugin.startContest(start(OperatorHome::France));
  EXPECT_EQ(settings.writes, writes);
  EXPECT_EQ(settings.read("Settings", "Claimed", "none"), "6");
}

TEST_F(PluginTest, ContestStartWithoutExportShowsNoDialog) {
  plugin.startContest(start(OperatorHome::France, false));
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(PluginTest, CancelledHeaderDialogStillStartsTheContest) {
  testing::WorkingFolder folder;
  ContestStart exporting = start(OperatorHome::France, true);
  exporting.myCall = "F6BBB";
  plugin.startContest(exporting);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].callSign, "F6BBB");
  EXPECT_TRUE(plugin.logQso(qso("DL1XX", "DL", "40m")));  // in France
  EXPECT_TRUE(plugin.summarize().exported);
  EXPECT_TRUE(folder.exists("F6BBB.cbr"));
}

TEST_F(PluginTest, ExportingRequestWritesTheLogAndSaysSo) {
  testing::WorkingFolder folder;
  ContestStart exporting = start(OperatorHome::France, true);
  exporting.myCall = "F6BBB";
  plugin.startContest(exporting);
  plugin.logQso(qso("F5AAA", "F", "40m"));
  EXPECT_TRUE(plugin.summarize().exported);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "File produced: F6BBB.cbr");
  EXPECT_EQ(ui.shown[0].caption, "Output");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
  EXPECT_TRUE(ui.shown[0].ownedByActiveWindow);
  const std::string log = folder.readFile("F6BBB.cbr");
  EXPECT_NE(log.find("CLAIMED-SCORE: 6\r\n"), std::string::npos);
  EXPECT_NE(log.find("QSO: "), std::string::npos);
  EXPECT_TRUE(folder.exists("cabrillo.ini"));
}

}  // namespace
}  // namespace velmora
