// The contest result through GetResult0: the summary text the host shows,
// the claimed score in the settings file, and the host's flag.

#include <filesystem>
#include <string>

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

constexpr const char* kSettingsFile = "Plugins/VIRDO.ini";

class ContestResult : public PluginScenario {
 protected:
  void startContest(const std::string& ownPrefix) {
    std::filesystem::create_directory(folder().path() / "Plugins");
    host::ContestStart start;
    start.myDxccPrefix = ownPrefix;
    start.myAreaTag = "EU";
    ASSERT_EQ(plugin().resetStats(start), 1);
  }
  // Logs one QSO; the received exchange is the station's department.
  int log(const std::string& call, const std::string& prefix, const std::string& area,
          const std::string& band, const std::string& department) {
    host::Qso q;
    q.call = call;
    q.dxccPrefix = prefix;
    q.areaTag = area;
    q.band = band;
    q.exchangeReceived = department.empty() ? "599" : department;
    return plugin().addData(q);
  }
  // The six QSOs of the reference contest, the 7 band first.
  void logReferenceContest() {
    log("F5AAA", "F", "EU", "7", "75");
    log("F6BBB", "F", "EU", "7", "13");
    log("FM5CC", "FM", "NA", "7", "97");
    log("DL1XX", "DL", "EU", "7", "");
    log("K1YY", "K", "NA", "14", "");
    log("F5AAA", "F", "EU", "14", "75");
  }
};
VELMORA_SCENARIO_SUITE(ContestResult);

TEST_P(ContestResult, ReferenceContestForOperatorInFrance) {
  startContest("F");
  logReferenceContest();
  int flag = 1234;
  EXPECT_STREQ(plugin().getResult(&flag),
               "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n"
               "14\t 2\t 9\t 1\t  1\r\n"
               "7\t 4\t 28\t 3\t  1\r\n"
               "Total\t 6\t 37\t 4\t  2\r\n"
               "Score  = 222\tVelmorat 2011");
  EXPECT_EQ(flag, 1234);
  EXPECT_EQ(folder().readFile(kSettingsFile), "[Settings]\r\nClaimed=222\r\n");
}

TEST_P(ContestResult, ReferenceContestForOperatorOutsideFrance) {
  startContest("DL");
  logReferenceContest();
  int flag = 1234;
  EXPECT_STREQ(plugin().getResult(&flag),
               "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n"
               "14\t 1\t 1\t  1\r\n"
               "7\t 3\t 5\t  3\r\n"
               "Total\t 4\t 6\t  4\r\n"
               "Score = 24\tVelmorat 2011");
  EXPECT_EQ(flag, 1234);
  EXPECT_EQ(folder().readFile(kSettingsFile), "[Settings]\r\nClaimed=24\r\n");
}

TEST_P(ContestResult, ClaimedIsRewrittenOnEveryRequestKeepingOtherSettings) {
  startContest("F");
  folder().writeFile(kSettingsFile, "[Settings]\r\nName=Jo\r\nClaimed=999\r\n");
  log("F5AAA", "F", "EU", "40m", "75");
  plugin().getResult(nullptr);
  EXPECT_EQ(folder().readFile(kSettingsFile), "[Settings]\r\nName=Jo\r\nClaimed=6\r\n");
  log("FY5BB", "FY", "SA", "40m", "97");
  plugin().getResult(nullptr);
  EXPECT_EQ(folder().readFile(kSettingsFile), "[Settings]\r\nName=Jo\r\nClaimed=42\r\n");
}

TEST_P(ContestResult, WithoutPluginsFolderTheSummaryIsStillReturned) {
  host::ContestStart start;
  plugin().resetStats(start);
  log("F5AAA", "F", "EU", "40m", "75");
  const std::string text = plugin().getResult(nullptr);
  EXPECT_EQ(text.substr(text.rfind("Total")), "Total\t 1\t 6\t 1\t  0\r\nScore  = 6\tVelmorat 2011");
  EXPECT_FALSE(folder().exists("Plugins"));
}

TEST_P(ContestResult, BandsComeInDescendingKeyOrder) {
  startContest("F");
  for (const char* band : {"10m", "20m", "160m", "15m", "80m", "40m"}) {
    log("F5AAA", "F", "EU", band, "75");
  }
  std::string expected = "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n";
  for (const char* band : {"160m", "80m", "40m", "20m", "15m", "10m"}) {
    expected += std::string(band) + "\t 1\t 6\t 1\t  0\r\n";
  }
  expected += "Total\t 6\t 36\t 6\t  0\r\nScore  = 216\tVelmorat 2011";
  EXPECT_EQ(plugin().getResult(nullptr), expected);
}

}  // namespace
}  // namespace velmora::testing
