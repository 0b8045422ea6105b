// Logging and deleting QSOs through AddData0 and RemoveData0, as the host
// reports them: filters, the prefix gate, duplicates and removal.

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

class QsoLogging : public PluginScenario {
 protected:
  void startContest(const std::string& ownPrefix) {
    host::ContestStart start;
    start.myDxccPrefix = ownPrefix;
    ASSERT_EQ(plugin().resetStats(start), 1);
  }
  static host::Qso qso(const std::string& call, const std::string& prefix) {
    host::Qso q;
    q.call = call;
    q.dxccPrefix = prefix;
    return q;
  }
};
VELMORA_SCENARIO_SUITE(QsoLogging);

TEST_P(QsoLogging, BeforeAnyContestStartOnlyFrenchStationsCount) {
  EXPECT_EQ(plugin().addData(qso("F5AAA", "F")), 1);
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0);
}

TEST_P(QsoLogging, ModeMustBeExactlySsbOrCw) {
  startContest("F");
  for (const char* mode : {"ssb", "Cw", "RTTY", "FT8", ""}) {
    host::Qso q = qso("F5AAA", "F");
    q.mode = mode;
    EXPECT_EQ(plugin().addData(q), 0) << mode;
    EXPECT_EQ(plugin().removeData(q), 0) << mode;
  }
  host::Qso cw = qso("F5AAA", "F");
  cw.mode = "CW";
  EXPECT_EQ(plugin().addData(cw), 1);
}

TEST_P(QsoLogging, EmptyExchangesAreRefusedButBlanksPass) {
  startContest("F");
  host::Qso noReceived = qso("F5AAA", "F");
  noReceived.exchangeReceived = "";
  EXPECT_EQ(plugin().addData(noReceived), 0);
  EXPECT_EQ(plugin().removeData(noReceived), 0);
  host::Qso noSent = qso("F5AAA", "F");
  noSent.exchangeSent = "";
  EXPECT_EQ(plugin().addData(noSent), 0);
  host::Qso blanks = qso("F5AAA", "F");
  blanks.exchangeReceived = "   ";
  EXPECT_EQ(plugin().addData(blanks), 1);
}

TEST_P(QsoLogging, OperatorOutsideFranceLogsOnlyFrenchStations) {
  startContest("DL");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0);
  EXPECT_EQ(plugin().addData(qso("F5AAA", "F")), 1);
  EXPECT_EQ(plugin().addData(qso("FG5BB", "FG")), 1);
  EXPECT_EQ(plugin().addData(qso("TK5CC", "TK")), 1);
  EXPECT_EQ(plugin().addData(qso("F5DDD", "f")), 0);
}

TEST_P(QsoLogging, FrenchOperatorLogsForeignStations) {
  startContest("F");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
}

TEST_P(QsoLogging, NullOwnPrefixCountsAsFrench) {
  host::ContestStart start;
  start.nullDxccPrefix = true;
  plugin().resetStats(start);
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
}

TEST_P(QsoLogging, ContestStartWithForeignPrefixClearsFrenchFlag) {
  startContest("F");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
  for (const char* prefix : {"f", "F ", "DL"}) {
    startContest(prefix);
    EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0) << prefix;
  }
}

TEST_P(QsoLogging, DuplicateReportsAllReturnOne) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().addData(q), 1);
  q.rstSent = "57";
  EXPECT_EQ(plugin().addData(q), 1);
}

TEST_P(QsoLogging, NullDateTimeAndNullTextsAreHandled) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  q.nullTime = true;
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
}

TEST_P(QsoLogging, RemoveAlwaysAnswersOneOnceFiltersPass) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  EXPECT_EQ(plugin().removeData(q), 1);
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
}


// What the log holds, seen through the summary the host gets back.
class QsoLogSummary : public QsoLogging {
 protected:
  std::string summary() {
    int flag = 0;
    return plugin().getResult(&flag);
  }
};
VELMORA_SCENARIO_SUITE(QsoLogSummary);

TEST_P(QsoLogSummary, SecondContestStartEmptiesTheLogButKeepsTheLastSummary) {
  startContest("F");
  ASSERT_EQ(plugin().addData(qso("F5AAA", "F")), 1);
  int flag = 0;
  const char* text = plugin().getResult(&flag);
  const std::string before = text;
  ASSERT_NE(before.find("Total\t 1\t 6\t 1\t  0\r\n"), std::string::npos) << before;
  startContest("F");
  EXPECT_EQ(std::string(text), before);
  EXPECT_NE(summary().find("Total\t 0\t 0\t 0\t  0\r\n"), std::string::npos);
}

TEST_P(QsoLogSummary, RemovalTakesOneRecordAndTheBandStaysListed) {
  startContest("F");
  host::Qso first = qso("F5AAA", "F");
  host::Qso second = first;
  second.time.days += 0.01;
  ASSERT_EQ(plugin().addData(first), 1);
  ASSERT_EQ(plugin().addData(second), 1);
  EXPECT_NE(summary().find("Total\t 2\t"), std::string::npos);
  EXPECT_EQ(plugin().removeData(second), 1);
  EXPECT_NE(summary().find("Total\t 1\t"), std::string::npos);
  EXPECT_EQ(plugin().removeData(first), 1);
  const std::string text = summary();
  EXPECT_NE(text.find("40m\t 0\t 0\t 0\t  0\r\nTotal\t 0\t 0\t 0\t  0\r\n"), std::string::npos) << text;
}

TEST_P(QsoLogSummary, DuplicateIsStoredOnceAndEmptyCallCountsOnlyInTheTotal) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  plugin().addData(q);
  q.rstSent = "57";
  plugin().addData(q);
  plugin().addData(qso("", "F"));
  const std::string text = summary();
  EXPECT_NE(text.find("40m\t 1\t 6\t 1\t  0\r\nTotal\t 2\t 6\t 1\t  0\r\n"), std::string::npos) << text;
}

TEST_P(QsoLogSummary, RefusedForeignStationStillListsItsBand) {
  startContest("DL");
  host::Qso q = qso("DL1XX", "DL");
  q.band = "15m";
  EXPECT_EQ(plugin().addData(q), 0);
  EXPECT_NE(summary().find("15m\t 0\t 0\t  0\r\nTotal\t 0\t 0\t  0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora::testing
